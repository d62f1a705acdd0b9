#pragma once
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <functional>
#include <string>
#include <string_view>

namespace vk {

// The import log: a trace in the user's documents folder that tells, after the fact, how far an
// import got. UTF-16LE without byte-order mark, every line flushed at once so the last line names
// the step at which Excel or the add-in stopped.
class CLogFile {
 public:
  CLogFile() = default;
  // Writes the closing line when the log is open.
  ~CLogFile();
  CLogFile(const CLogFile&) = delete;
  CLogFile& operator=(const CLogFile&) = delete;

  // Opens the log for one import when LogImport is set: 1 when open or when logging is off, 0
  // after a file error (reported to the user).
  int Open(const std::u16string& path);
  // One checkpoint or labelled line "tag: number"; nothing while the log is closed.
  void WriteLine(std::u16string_view tag, int32_t number);
  bool IsOpen() const { return m_file != nullptr; }

  // The clock of the header and closing lines; an empty function restores the local time.
  using Clock = std::function<std::tm()>;
  static void SetClock(Clock clock);

 private:
  void Close();
  bool Write(const std::u16string& text, bool report = true);

  std::FILE* m_file = nullptr;
  std::u16string m_path;
};

}  // namespace vk
