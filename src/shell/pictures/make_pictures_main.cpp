// calorvia-make-pictures FOLDER: writes the home screen's pictures
// (Equation.bmp, Parede.bmp, Cilindro.bmp, Esfera.bmp) into FOLDER. The
// build runs it to fill the data folder the program is shipped with.

#include <cstdio>
#include <filesystem>

#include "shell/pictures/home_pictures.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: calorvia-make-pictures FOLDER\n");
        return 2;
    }
    std::filesystem::path failed;
    if (!calorvia::shell::pictures::writeHomePictures(argv[1], &failed)) {
        std::fprintf(stderr, "calorvia-make-pictures: cannot write %s\n", failed.c_str());
        return 1;
    }
    return 0;
}
