#pragma once
// Where the files shipped with the program are found: the pictures of the
// home screen, the help documents (the home page among them) and the README.
//
// A picture is looked for in the program directory first (its "Bitmap"
// folder), so that a user may put pictures of his own there, and then in the
// installed data folders in the order given. Help documents and the README
// come from the installed data folders only: the program directory belongs
// to the user, and a file of his that happens to share a name must not be
// shown as the program's help.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace calorvia::shell {

// The pictures, relative to a data folder.
inline constexpr std::string_view CylinderPicture = "Bitmap/Cilindro.bmp";
inline constexpr std::string_view WallPicture = "Bitmap/Parede.bmp";
inline constexpr std::string_view SpherePicture = "Bitmap/Esfera.bmp";
inline constexpr std::string_view EquationPicture = "Bitmap/Equation.bmp";

// The help documents, relative to a data folder; the program asks for them
// by their old names ("Help.hlp"), see helpDocumentPath.
inline constexpr std::string_view HelpFolder = "help";
inline constexpr std::string_view ShippedReadme = "README.md";
// The home page's section on reporting a problem, which Send Email opens;
// both languages' pages give it this id.
inline constexpr std::string_view ReportSection = "#report";

class DataFolders {
public:
    DataFolders() = default;
    explicit DataFolders(std::vector<std::filesystem::path> installed);

    void setProgramDirectory(std::filesystem::path directory);
    const std::vector<std::filesystem::path>& installed() const { return installed_; }

    // The picture's file: in the program directory when it is there, else
    // in the first installed folder that has it, else its place in the
    // program directory (which then shows nothing).
    std::filesystem::path picture(std::string_view relative) const;

    // A file shipped with the program, from the first installed folder that
    // has it; nothing when none has it.
    std::optional<std::filesystem::path> shipped(std::string_view relative) const;

private:
    std::filesystem::path programDirectory_;
    std::vector<std::filesystem::path> installed_;
};

// The data folder an installation puts beside the program: share/calorvia
// next to the bin folder that holds it (`cmake --install` lays both out).
std::filesystem::path dataFolderBesideProgram(const std::filesystem::path& programDirectory);
// The folders the running program finds its shipped data in: the one beside
// it, then the build tree's.
std::vector<std::filesystem::path> installedDataFolders(const std::filesystem::path& buildTree);

// Maps a document the program asks the shell to open onto the file that is
// really shown: "Help.hlp", "Ajuda.hlp", "Syntax.hlp" and "Sintaxe.hlp", and
// the help on the window itself, "Window.hlp" and "Janela.hlp" (letter case
// ignored, in whatever folder they were asked for) become the HTML documents
// "help/Help.html" and so on of the installed data folders.
// Every other document, and a help document no folder has, is returned
// unchanged (a missing document then opens nothing).
std::filesystem::path helpDocumentPath(const std::filesystem::path& requested,
                                       const DataFolders& folders);

// A "file://" address for an absolute path, with every byte outside the
// unreserved characters and "/" percent-encoded.
std::string fileAddress(const std::filesystem::path& absolutePath);

}  // namespace calorvia::shell
