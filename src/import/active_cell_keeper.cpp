#include "import/active_cell_keeper.h"

#include "automation/com_error.h"
#include "automation/guid.h"
#include "excel/application.h"
#include "import/excel_value.h"

namespace vk {
namespace {

// Whether an object is a cell range; a refusal other than "no such interface" is a failure.
bool IsRange(const ObjectPtr& object) {
  if (!object) return false;
  try {
    return object->QueryInterface(kIidExcelRange) != nullptr;
  } catch (const ComError& error) {
    if (error.Error() == kENoInterface) return false;
    throw;
  }
}

}  // namespace

bool CActiveCellKeeper::Activate(const ObjectPtr& application, const excel::Range& cell) {
  if (state_ == State::Unreadable) return false;
  if (state_ == State::Unread) {
    try {
      const excel::Application app(application);
      excel::Range active = app.ActiveCell();
      ObjectPtr selection = app.Selection();
      if (!IsRange(active.Object()) || !selection) {
        state_ = State::Unreadable;
        return false;
      }
      selectionIsRange_ = IsRange(selection);
      selection_ = std::move(selection);
      activeCell_ = std::move(active);
    } catch (const ComError& error) {
      RethrowIfExcelBusy(error);
      state_ = State::Unreadable;
      return false;
    }
    state_ = State::Saved;
  }
  cell.Activate();
  return true;
}

// Selecting a range makes its first cell active, so cells are selected first and the active
// cell set inside them after; a selected shape is selected last, since activating a cell
// selects that cell. Each step is tried even when the one before failed: an active cell put
// back without its selection is nearer to what the user left than none.
void CActiveCellKeeper::Restore() noexcept {
  const bool saved = state_ == State::Saved;
  state_ = State::Unread;
  ObjectPtr selection = std::move(selection_);
  excel::Range active = std::move(activeCell_);
  selection_.reset();
  activeCell_ = excel::Range();
  if (!saved) return;
  const auto attempt = [](auto&& step) {
    try {
      step();
    } catch (...) {
    }
  };
  const auto select = [&] {
    if (selection) selection->Call(u"Select");
  };
  const auto activate = [&] { active.Activate(); };
  if (selectionIsRange_) {
    attempt(select);
    attempt(activate);
  } else {
    attempt(activate);
    attempt(select);
  }
}

}  // namespace vk
