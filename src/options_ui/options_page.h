#pragma once
#include <cstdint>
#include <string>

#include "ui/win32/property_sheet.h"

namespace vk {

class COptionsSheet;

// What the four pages of the Options sheet share: the FuncState that chooses the option key
// they edit, the sheet position their apply step records, the refresh after an options file was
// loaded into their fields (each page keeps them in a public m_model, which the sheet hands to
// the options file) and the table type that the Object & Font Map page passes to the others
// through the sheet.
class COptionsPage : public CPropertyPage {
 public:
  using CPropertyPage::CPropertyPage;

  // The FuncState handed to the sheet (0 without a sheet).
  int32_t FuncState() const;
  // The position of the sheet's current page, which every storing page writes as ActivePageIndex.
  int32_t ActivePosition() const;

  // After a file was loaded into the fields: show them and run the rules a reload runs; pages
  // that a reload marks modified do so here.
  virtual void RefreshAfterLoad() = 0;
  // The table type chosen on the Object & Font Map page (anonymous block or table), passed on
  // by the sheet. The page's window may not exist yet.
  virtual void OnTableType(bool anonymousBlock);

 protected:
  // Tells the sheet, which passes it on to the other pages.
  void NotifyTableType(bool anonymousBlock);
  COptionsSheet* OptionsSheet() const;
};

}  // namespace vk
