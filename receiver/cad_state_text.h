#pragma once
#include <string>
#include <vector>

#include "settings/default_colour_table.h"

namespace vk::draw {

// The text of the CAD state block the receiver publishes for the Options sheet: one layer list
// line with the names, one palette line with the colours, ended by a zero. A name that the
// block cannot carry (empty, or holding "|", a line break or a zero) is left out and added to
// skipped; a name starting with "*" gets a second one, since the reader drops the first.
std::u16string CadStateText(const std::vector<std::string>& layers, const std::vector<ColourEntry>& palette,
                            std::vector<std::string>* skipped);

}  // namespace vk::draw
