#include "import/active_cell_keeper.h"

#include "automation/com_error.h"
#include "automation/guid.h"
#include "excel/application.h"

namespace vk {

void CActiveCellKeeper::Activate(const ObjectPtr& application, const excel::Range& cell) {
  if (!saved_) {
    const excel::Application app(application);
    excel::Range active = app.ActiveCell();
    selection_ = app.Selection();
    activeCell_ = std::move(active);
    saved_ = true;
  }
  cell.Activate();
}

// Selecting a range makes its first cell active, so cells are selected first and the active
// cell set inside them after; a selected shape is selected last, since activating a cell
// selects that cell.
void CActiveCellKeeper::Restore() noexcept {
  if (!saved_) return;
  saved_ = false;
  ObjectPtr selection = std::move(selection_);
  excel::Range active = std::move(activeCell_);
  selection_.reset();
  activeCell_ = excel::Range();
  try {
    bool cells = false;
    if (selection) {
      try {
        cells = selection->QueryInterface(kIidExcelRange) != nullptr;
      } catch (const ComError&) {
      }
    }
    if (cells) {
      selection->Call(u"Select");
      active.Activate();
    } else {
      active.Activate();
      if (selection) selection->Call(u"Select");
    }
  } catch (...) {
  }
}

}  // namespace vk
