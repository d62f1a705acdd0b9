#pragma once

namespace vk {

inline constexpr unsigned kWmCopyData = 0x004A;
inline constexpr unsigned kWmLinkTableStart = 0x465;  // WM_USER + 101
inline constexpr unsigned kWmLinkEnd = 0x466;         // WM_USER + 102
inline constexpr unsigned kWmLinkImport = 0x468;      // WM_USER + 104

inline constexpr int kLinkEndImported = 1;
inline constexpr int kLinkEndDisconnecting = 2;

inline constexpr char16_t kReceiverTitle[] = u"2815DA81-AD05-4739-A2AA-3929B1E3CF56";
inline constexpr char16_t kLinkDialogTitle[] = u"EE31D9CE-5075-4dd4-B3B9-431D727FADD0";

// The add-in's side of the link to the CAD receiver. CSignalDialog is the real one; tests on
// Linux use a memory link that records what would have been sent.
class LinkChannel {
 public:
  virtual ~LinkChannel() = default;
  virtual bool FindReceiver() = 0;
  virtual void StartTable(int rows, int columns) = 0;
  virtual bool SendRecord(const void* record, int size) = 0;
  virtual void EndLink(int reason) = 0;
};

// Runs the imports the CAD side asks for through the link (the add-in object does).
class ImportRequestHandler {
 public:
  virtual ~ImportRequestHandler() = default;
  // Imports the selection (non-zero) or the worksheet (zero); the import's result code.
  virtual int RunImport(int bSelectedRange) = 0;
};

}  // namespace vk
