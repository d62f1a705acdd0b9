#pragma once
#include <string>
#include <vector>

#include "drawing.h"

namespace vk::draw {

// Writes the drawing as DXF R2000 (lineweights and true colours kept) through dxflib. Text and
// names outside ASCII are written as \U+XXXX, the form R2000 readers decode whatever their code
// page. layers: names to define beside those the drawing uses (a template's). False when the file
// cannot be written.
bool WriteDxf(const Drawing& drawing, const std::string& path, const std::vector<std::string>& layers = {});

// The layer names of a DXF file, read through dxflib; empty when the file cannot be read.
std::vector<std::string> ReadDxfLayers(const std::string& path);

}  // namespace vk::draw
