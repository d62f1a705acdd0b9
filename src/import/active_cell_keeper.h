#pragma once
#include "automation/variant.h"
#include "excel/range.h"

namespace vk {

// Conditions are evaluated with their cell active (Excel reads a rule's formulas relative to
// the active cell), which moves the user's active cell and, from outside it, the selection.
// The keeper notes both before the first activation of an import and puts them back after it.
class CActiveCellKeeper {
 public:
  CActiveCellKeeper() = default;
  CActiveCellKeeper(const CActiveCellKeeper&) = delete;
  CActiveCellKeeper& operator=(const CActiveCellKeeper&) = delete;

  // Activates cell and answers true; the first time, notes the user's selection and active cell
  // first. When Excel does not tell them (the call fails, or answers Nothing, Empty or no
  // range), answers false and moves nothing, now or later in the import: what cannot be put
  // back is not moved. Excel's busy refusal and a failure to activate the cell are ComErrors:
  // a cell that could not be activated must not be evaluated.
  bool Activate(const ObjectPtr& application, const excel::Range& cell);
  // Selects again what was selected and activates the cell that was active, then forgets them.
  // Nothing to do when no cell was activated; failures change nothing of the import's result.
  void Restore() noexcept;

  // Restores by every way out of a scope.
  class RestoreOnExit {
   public:
    explicit RestoreOnExit(CActiveCellKeeper& keeper) : keeper_(keeper) {}
    ~RestoreOnExit() { keeper_.Restore(); }
    RestoreOnExit(const RestoreOnExit&) = delete;
    RestoreOnExit& operator=(const RestoreOnExit&) = delete;

   private:
    CActiveCellKeeper& keeper_;
  };

 private:
  enum class State { Unread, Saved, Unreadable };
  State state_ = State::Unread;
  ObjectPtr selection_;  // cells, or a drawing object
  bool selectionIsRange_ = false;
  excel::Range activeCell_;
};

}  // namespace vk
