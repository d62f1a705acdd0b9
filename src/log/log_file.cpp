#include "log/log_file.h"

#include <cerrno>
#include <cstdio>
#include <vector>

#include "settings/option_table.h"
#include "settings/registry.h"
#include "ui/file_error.h"
#include "text/path_text.h"
#include "ui/shell.h"
#include "text/text_format.h"

namespace vk {

namespace {

constexpr char16_t kProductName[] = u"Vellumark";
constexpr char16_t kProductVersion[] = u"6.0.2.0";
constexpr size_t kMaxPart = 255;  // longest drive-less path part the tag split accepts

CLogFile::Clock& ClockSlot() {
  static CLogFile::Clock clock;
  return clock;
}

std::tm Now() {
  if (ClockSlot()) return ClockSlot()();
  std::time_t now = std::time(nullptr);
  std::tm* local = std::localtime(&now);  // only Excel's user-interface thread logs
  return local ? *local : std::tm{};
}

// "%B %d, %Y %H:%M:%S" in the classic locale, spelled out here so that neither the C library's
// current locale nor its month names can change the bytes.
std::u16string FormatTime(const std::tm& t) {
  static const char* const kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                                        "July",    "August",   "September", "October", "November", "December"};
  const int month = (t.tm_mon >= 0 && t.tm_mon < 12) ? t.tm_mon : 0;
  char text[64];
  std::snprintf(text, sizeof text, "%s %02d, %d %02d:%02d:%02d", kMonths[month], t.tm_mday, t.tm_year + 1900,
                t.tm_hour, t.tm_min, t.tm_sec);
  return Widen(text);
}

bool IsWorkbookExtension(std::u16string_view ext) {
  auto equalsNoCase = [&](std::string_view other) {
    if (ext.size() != other.size()) return false;
    for (size_t i = 0; i < ext.size(); ++i) {
      char16_t c = ext[i];
      if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
      if (c != static_cast<char16_t>(other[i])) return false;
    }
    return true;
  };
  return equalsNoCase(".xls") || equalsNoCase(".xlsx");
}

// The extension of the tag's last path component, split as the C runtime splits a path (drive,
// folder, file name, extension). A tag whose folder, name or extension is longer than the
// runtime's part buffers has no extension here: it is written whole rather than cut or overrun.
std::u16string_view TagExtension(std::u16string_view tag) {
  const PathParts parts = SplitPath(tag);
  if (parts.folder.size() > kMaxPart || parts.name.size() > kMaxPart || parts.extension.size() > kMaxPart) return {};
  return parts.extension;
}

}  // namespace

void CLogFile::SetClock(Clock clock) { ClockSlot() = std::move(clock); }

CLogFile::~CLogFile() { Close(); }

int CLogFile::Open(const std::u16string& path) {
  // A log still open from an earlier import is finished first: its file handle never outlives
  // the next Open, and each import's lines start with their own header in a new file. With
  // logging switched off in between, this import writes nothing at all.
  Close();
  if (ReadOption(options::kLogImport) == 0) return 1;

  int cause = 0;
  std::FILE* file = Shell::Current().CreateExclusive(path, &cause);
  if (file == nullptr) {
    ReportFileError(cause, path);
    return 0;
  }
  m_file = file;
  m_path = path;
  std::fseek(m_file, 0, SEEK_END);
  std::u16string header = u"Product: ";
  header += kProductName;
  header += u".\r\nVersion ";
  header += kProductVersion;
  header += u".\r\nSession start: ";
  header += FormatTime(Now());
  header += u"\r\n";
  if (!Write(header)) {
    std::fclose(m_file);
    m_file = nullptr;
    return 0;
  }
  return 1;
}

void CLogFile::WriteLine(std::u16string_view tag, int32_t number) {
  if (m_file == nullptr) return;
  const std::u16string_view ext = TagExtension(tag);
  std::u16string line(!ext.empty() && !IsWorkbookExtension(ext) ? ext : tag);
  line += u": ";
  line += DecimalText(number);
  line += u"\r\n";
  if (!Write(line)) {
    // Reported once; the import goes on without its log rather than with a message per line.
    std::fclose(m_file);
    m_file = nullptr;
  }
}

void CLogFile::Close() {
  if (m_file == nullptr) return;
  std::u16string closing = u"Session end: ";
  closing += FormatTime(Now());
  closing += u"\n";
  Write(closing, /*report=*/false);  // the add-in is going away; nobody to tell
  std::fclose(m_file);
  m_file = nullptr;
}

// UTF-16 little-endian code units as they are, then a flush; a failure is reported once with
// the file's path and the log stays as it was.
bool CLogFile::Write(const std::u16string& text, bool report) {
  std::vector<unsigned char> bytes;
  bytes.reserve(text.size() * 2);
  for (char16_t unit : text) {
    bytes.push_back(static_cast<unsigned char>(unit & 0xFF));
    bytes.push_back(static_cast<unsigned char>(unit >> 8));
  }
  errno = 0;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), m_file) == bytes.size();
  const bool flushed = std::fflush(m_file) == 0;
  if (written && flushed) return true;
  const int cause = errno != 0 ? errno : EIO;
  std::clearerr(m_file);
  if (report) ReportFileError(cause, m_path);
  return false;
}

}  // namespace vk
