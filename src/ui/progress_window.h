#pragma once
#include <memory>
#include <string>

namespace vk {

// The progress window of an import: a text above a bar. CProgressDialog is the real one.
class ProgressWindow {
 public:
  virtual ~ProgressWindow() = default;
  virtual void SetText(const std::u16string& text) = 0;
  virtual void SetRange(int lower, int upper) = 0;
  virtual void SetPos(int pos) = 0;
  virtual void SetStep(int step) = 0;
  virtual void StepIt() = 0;
};

// Creates (and shows) progress windows for a run; the run owns and destroys them.
class ProgressFactory {
 public:
  virtual ~ProgressFactory() = default;
  virtual std::unique_ptr<ProgressWindow> Create() = 0;

  static ProgressFactory& Current();
  // A stand-in for a while; null goes back to the installed one.
  static void SetCurrent(ProgressFactory* factory);
  // The platform's own, installed once when the module starts.
  static void Install(ProgressFactory* factory);
};

}  // namespace vk
