#pragma once
#include <string>
#include <vector>

#include "drawing.h"

namespace vk::draw {

// Where the receiver writes an import's drawing: "<folder>/<base>-<n>.dxf" with the first n from 1
// for which no file of that name (of any of the extensions) exists yet, so no import overwrites
// another's. Returns the path without extension.
std::string NextDrawingPath(const std::string& folder, const std::string& base);

// Whether this build writes pictures (cairo is there natively, not in the MinGW tree).
bool CanWritePictures();

// Writes <stem>.dxf and, when asked, <stem>.png and <stem>.svg; the log gets one line per file or
// per failure. False when any file could not be written.
bool WriteDrawingFiles(const Drawing& drawing, const std::string& stem, bool png, bool svg,
                       const std::vector<std::string>& templateLayers, std::string* report);

}  // namespace vk::draw
