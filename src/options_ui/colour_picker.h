#pragma once
#include <windows.h>

#include <vector>

#include "settings/default_colour_table.h"
#include "ui/win32/controls.h"

namespace vk {

// A drop-down list of colours, each item drawn as a swatch followed by its name; an item's data
// is its colour. The combo box comes from a template (drop-down list, fixed-height owner-drawn
// items with strings). Owner drawing reaches the dialog that holds the box, which hands
// WM_DRAWITEM on with ReflectDrawItem.
class CColourPickerCB : public CComboBox {
 public:
  // Binds the picker to the dialog's control and fills it with the default colour table.
  bool SubclassDlgItem(int id, HWND dialog);

  // Puts these entries in place of all items and selects the first.
  void ReplaceItems(const std::vector<ColourEntry>& entries);
  // Appends one item; its position, or a negative value when the list refused it.
  int AddItem(const ColourEntry& entry);
  ColourEntry GetItem(int position) const;

  // Draws one item as the list asks for it.
  void DrawItem(const DRAWITEMSTRUCT& item) const;
  // For the owning dialog's WM_DRAWITEM: draws and returns true when the item is this picker's.
  bool ReflectDrawItem(LPARAM lParam) const;
};

}  // namespace vk
