#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "automation/automation_object.h"
#include "fake_book.h"
#include "fake_com_add_in.h"
#include "fake_object.h"

namespace vk::fake {

// The stand-in Excel: an in-memory workbook served through the automation interface the add-in
// uses, with a log of every call and faults injected on demand. Always held by shared_ptr: the
// objects it hands out keep it alive.
class FakeExcel : public std::enable_shared_from_this<FakeExcel> {
 public:
  struct Call {
    std::string key;  // "Range.Address": object type and member as the member table spells it
    InvokeKind kind;
    uint32_t lcid;
    std::vector<Variant> args;  // object arguments are logged as Nothing (VT_DISPATCH, null)
  };
  // Find's LookIn, LookAt and SearchOrder persist from one call to the next when omitted
  // (starting as the Find dialog does: formulas, part of the contents, by rows).
  struct FindSettings {
    int32_t lookIn = -4123;  // xlFormulas
    int32_t lookAt = 2;      // xlPart
    int32_t searchOrder = 1; // xlByRows
  };

  static std::shared_ptr<FakeExcel> Create(FakeBook book = {});
  // A fixture file (JSON, see tests/fixtures/README.md); a relative name is looked up in the
  // fixtures folder. Throws std::runtime_error naming the file and the fault.
  static std::shared_ptr<FakeExcel> FromFixture(const std::string& fileName);
  static std::shared_ptr<FakeExcel> FromJson(std::string_view json);

  // Excel's Application object, as the add-in receives it at connection.
  ObjectPtr Application();
  // The open workbook; tests may change it between calls.
  FakeBook& Book() noexcept { return book_; }

  // Every call so far (Invoke and QueryInterface), in order.
  const std::vector<Call>& Calls() const noexcept { return calls_; }
  size_t CallCount() const noexcept { return ordinal_; }
  // Calls of one member: "Range.Address" (case-insensitive).
  size_t CallCount(std::string_view key) const;
  // Calls of every member so far, by lower-case key ("range.address"); kept when recording is off.
  const std::map<std::string, size_t>& CallCounts() const noexcept { return counts_; }
  void ClearCalls();
  // Keep only the counts, not each call's arguments (for long imports).
  void SetRecording(bool record) noexcept { recording_ = record; }

  // Fails the ordinal-th call from now on counted from 1 (ClearCalls restarts the count).
  void FailCallAt(size_t ordinal, int32_t hr = kExcelError);
  // Fails every call of a member ("Range.Address").
  void FailMember(std::string key, int32_t hr = kExcelError);
  // Every call of a member throws a C++ exception that is not a COM error (a caller's code
  // failing for a reason of its own); for native runs only.
  void ThrowAtMember(std::string key);
  void ClearFaults();
  // Like another Excel stand-in that does not answer ranges of several cells: Row, Column,
  // Value, HasFormula, WrapText, MergeCells, FormatConditions, Font, Interior, Borders,
  // NumberFormat, Orientation, IndentLevel, the alignments and whole rows or columns picked by
  // Item then fail with error 1004 when the range has more than one cell, and Characters.Text of
  // a cell when the characters are more than one. ClearFaults keeps it.
  void RefuseMultiCellReads(bool refuse) noexcept { refuseMultiCell_ = refuse; }
  bool RefusesMultiCellReads() const noexcept { return refuseMultiCell_; }

  // What a call answers in place of its real result; the member still runs, as a call that
  // Excel carried out but answered oddly.
  enum class Unexpected {
    WrongType,  // an object where a value was due, or a number where an object was
    Nothing,    // VT_DISPATCH holding no object
    Empty,      // VT_EMPTY
  };
  // The ordinal-th call from now on (counted as FailCallAt counts) answers unexpectedly.
  void AnswerCallAt(size_t ordinal, Unexpected answer);
  // Every call of a member ("Application.ActiveCell") answers unexpectedly.
  void AnswerMember(std::string key, Unexpected answer);
  // The answer due for the call just begun, if one was injected.
  std::optional<Unexpected> InjectedAnswer(std::u16string_view type, std::u16string_view member) const;
  // Every call of a member answers this value, for answers of types that the fixtures cannot
  // give (Range.Value as VT_I2, say); the member still runs.
  void AnswerMemberWith(std::string key, Variant value);
  // The value due for a call of the member, if one was set.
  std::optional<Variant> InjectedValue(std::u16string_view type, std::u16string_view member) const;

  // Application.ScreenUpdating: its current value and every value put, in order.
  bool screenUpdating = true;
  std::vector<bool> screenUpdatingPuts;
  FindSettings findSettings;
  // Application.Hwnd: Excel's main window as the Long the member answers; a test on Windows puts
  // a window of its own here (0 until then).
  int32_t hwnd = 0;
  // Application.COMAddIns: the COM add-ins Excel has loaded, in order.
  std::vector<FakeAddInEntry> comAddIns;

  // Called by the stand-in objects at the start of every call: logs it and throws the injected
  // fault, if any.
  void BeginCall(std::u16string_view type, std::u16string_view member, InvokeKind kind,
                 std::span<const Variant> args, uint32_t lcid);

 private:
  explicit FakeExcel(FakeBook book) : book_(std::move(book)) {}

  FakeBook book_;
  std::vector<Call> calls_;
  std::map<std::string, size_t> counts_;  // by lower-case key
  size_t ordinal_ = 0;
  bool recording_ = true;
  bool refuseMultiCell_ = false;
  std::optional<std::pair<size_t, int32_t>> failAt_;
  std::map<std::string, int32_t> failMembers_;  // by lower-case key
  std::set<std::string> throwMembers_;          // by lower-case key
  std::optional<std::pair<size_t, Unexpected>> answerAt_;
  std::map<std::string, Unexpected> answerMembers_;  // by lower-case key
  std::map<std::string, Variant> valueMembers_;      // by lower-case key
};

}  // namespace vk::fake
