#pragma once
#include <string>
#include <vector>

#include "automation/variant.h"
#include "fake_cell.h"

namespace vk::fake {

// What Range.Text shows for a cell (null for a blank one): the text the fixture gives, or the
// value in its default look: numbers in General form with up to 15 significant digits,
// TRUE/FALSE, the error's name, dates as m/d/yyyy, currency as $#,##0.00 (ck: Excel narrows
// General numbers and shows "####" to fit the column; the stand-in's columns always fit).
std::u16string DisplayText(const FakeCell* cell);
// The value as Formula gives a constant: its General text, "" for a blank.
std::u16string ConstantText(const Variant& value);

// The font of each character of the cell's text, complete (over the cell's font and the
// standard one); a blank or uniform cell gives its one font.
std::vector<FakeFontFace> CharacterFaces(const FakeCell* cell);

}  // namespace vk::fake
