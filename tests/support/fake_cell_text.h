#pragma once
#include <string>
#include <vector>

#include "automation/variant.h"
#include "fake_cell.h"

namespace vk::fake {

// What Range.Text shows for a cell (null for a blank one): the text the fixture gives, or the
// value in its default look: a number in General format as GeneralText shows it, other number
// formats with up to 15 significant digits, TRUE/FALSE, the error's name, dates as m/d/yyyy,
// currency as $#,##0.00. The stand-in's columns are as wide as the standard one; a fixture
// gives the text of a narrower column ("####", fewer digits) itself.
std::u16string DisplayText(const FakeCell* cell);
// A number in General format as a cell of standard width shows it: at most `width` characters
// (11: Excel's standard column), rounded to fit, in scientific form (1.23457E+11) when its
// integer part does not fit or it is below 0.0001. Excel rounds General numbers to the column
// (Microsoft KB 45646, "Numbers Rounded in General Format") and shows numbers of 12 or more
// digits in scientific notation ("Available number formats in Excel", General); the 11
// characters and the 0.0001 switch are as Excel shows them (ck).
std::u16string GeneralText(double value, int width = 11);
// The value as Formula gives a constant: its General text, "" for a blank.
std::u16string ConstantText(const Variant& value);

// The font of each character of the cell's text, complete (over the cell's font and the
// standard one); a blank or uniform cell gives its one font.
std::vector<FakeFontFace> CharacterFaces(const FakeCell* cell, const FakeFontFace& standard);

}  // namespace vk::fake
