#pragma once
// The four pictures of the home screen, drawn by the program itself:
//  - Equation.bmp: the one-dimensional diffusion-convection equation with
//    its source, sized to fill the raised frame of the home screen;
//  - Parede.bmp: a plane wall between x = 0 and x = L, warm on the west face
//    and cool on the east face, with its x axis;
//  - Cilindro.bmp and Esfera.bmp: a cylinder and a sphere.
// The geometry pictures overlap on the panel (cylinder, then wall, then
// sphere): their backgrounds are the panel's grey, and each keeps its own
// drawing clear of where the next one lies.

#include <filesystem>
#include <string_view>

#include "shell/pictures/raster.h"

namespace calorvia::shell::pictures {

inline constexpr Colour PanelGrey{192, 192, 192};
inline constexpr Colour PaperWhite{255, 255, 255};

// The frame's inside on the home screen is 363 x 59 pixels.
inline constexpr int EquationWidth = 363;
inline constexpr int EquationHeight = 59;

Raster makeEquationPicture();
Raster makeWallPicture();
Raster makeCylinderPicture();
Raster makeSpherePicture();

// Writes the four pictures into `folder` (created when missing) under their
// program names. False, with the failing file in `failed`, when one could
// not be written.
bool writeHomePictures(const std::filesystem::path& folder,
                       std::filesystem::path* failed = nullptr);

}  // namespace calorvia::shell::pictures
