#pragma once
#include <string>

#include "drawing.h"

namespace vk::draw {

enum class PictureFormat { Png, Svg };

// Draws the drawing model through cairo on white paper: the same geometry as the DXF, colour
// index 7 as black, lineweights to scale with at least one pixel, pictures from their files.
bool WritePicture(const Drawing& drawing, const std::string& path, PictureFormat format);

}  // namespace vk::draw
