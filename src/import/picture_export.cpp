#include "import/picture_export.h"

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <optional>
#include <vector>

#include "import/shape_kind.h"
#include "import/uti_func.h"
#include "settings/option_table.h"
#include "settings/registry.h"
#include "ui/clipboard.h"
#include "ui/clock.h"
#include "ui/file_error.h"
#include "text/path_text.h"
#include "ui/shell.h"
#include "text/text_format.h"
#include "ui/user_messages.h"

namespace vk {

namespace {

constexpr char16_t kSaveFailedFormat[] = u"Failed to save the picture file: %s. Error Code: %d.";
constexpr size_t kMaxDrawingFolder = 259;  // the part of CurDrawingFolder a joined path keeps
constexpr uint32_t kFetchRetryWait = 1000;
constexpr uint32_t kPictureRetryWait = 2000;
constexpr int kPictureAttempts = 3;

// PathAddBackslashW: an empty path stays empty.
void AddBackslashUnlessEmpty(std::u16string& path) {
  if (!path.empty() && path.back() != u'\\') path += u'\\';
}

// Where a path's folders start: after "C:\", after "\\server\share\", after a leading "\".
size_t RootLength(std::u16string_view path) {
  if (path.size() >= 2 && path[1] == u':') return (path.size() >= 3 && path[2] == u'\\') ? 3 : 2;
  if (path.size() >= 2 && path[0] == u'\\' && path[1] == u'\\') {
    size_t end = path.find(u'\\', 2);
    if (end != std::u16string_view::npos) end = path.find(u'\\', end + 1);
    return end == std::u16string_view::npos ? path.size() : end + 1;
  }
  return (!path.empty() && path[0] == u'\\') ? 1 : 0;
}

// Creates every missing folder of a backslash-ended path from position `from` on, one level at
// a time, so that a pictures folder whose parents are missing still takes files. True when the
// whole folder exists afterwards.
bool CreateFolders(const std::u16string& folder, size_t from) {
  Shell& shell = Shell::Current();
  for (size_t end = folder.find(u'\\', from); end != std::u16string::npos; end = folder.find(u'\\', end + 1)) {
    const std::u16string level = folder.substr(0, end);
    if (level.empty()) continue;
    if (!shell.FolderExists(level)) shell.CreateFolder(level);
  }
  std::u16string whole = folder;
  while (!whole.empty() && whole.back() == u'\\') whole.pop_back();
  return !whole.empty() && shell.FolderExists(whole);
}

std::u16string KindWord(int32_t shapeType) {
  if (shapeType == kMsoChart) return u"chart";
  if (shapeType == kMsoPicture) return u"pic";
  return u"wmf";
}

std::u16string Extension(int32_t shapeType) {
  if (shapeType == kMsoChart) return u".bmp";
  if (shapeType == kMsoPicture) return u"";  // the saved clipboard format brings its own
  return u".wmf";
}

// "%Y%m%d%H%M" of the local time now.
std::u16string MinuteStamp() {
  Clock& clock = Clock::Current();
  const std::tm t = clock.ToLocal(clock.Now());
  char text[32];
  std::snprintf(text, sizeof text, "%04d%02d%02d%02d%02d", t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour,
                t.tm_min);
  return Widen(text);
}

std::optional<std::u16string> PictureExtension(std::u16string_view formatName) {
  if (SameTextIgnoringCase(formatName, u"JFIF")) return u".jpg";
  if (SameTextIgnoringCase(formatName, u"PNG")) return u".png";
  if (SameTextIgnoringCase(formatName, u"GIF")) return u".gif";
  return std::nullopt;
}

void ReportSaveFailure(const std::u16string& name, uint32_t code) {
  ShowWarning(FormatText(kSaveFailedFormat, {std::u16string_view(name), static_cast<int64_t>(code)}));
}

}  // namespace

std::u16string GetPicturesFolder() {
  CRegistry::SetRootKey(RegistryRoot::CurrentUser, kCompanyName);
  const std::u16string defaultFolder = CUtiFunc::DocumentsFolder() + u"Vellumark Pictures\\";
  // A stored value is used as it reads, even when empty; only a missing one means the default.
  std::u16string path = CRegistry::GetText(kProductKey, options::kPicturesFolder.name, defaultFolder);
  AddBackslashUnlessEmpty(path);

  if (IsRelativePath(path)) {
    const std::u16string drawingFolder = ReadOption(options::kCurDrawingFolder);
    if (!drawingFolder.empty()) {
      // A relative folder lives below the drawing's folder, which the CAD side records. The
      // pictures go there and the records carry that full path: a path relative to Excel's
      // current folder would mean nothing to the receiver. The drawing's folder itself is never
      // made; when the folder below it cannot be made (the drawing's folder is missing, say) the
      // default folder is used instead.
      std::u16string joined = drawingFolder.substr(0, kMaxDrawingFolder);
      CUtiFunc::AddTrailingBackslash(joined);
      const size_t drawingLength = joined.size();
      joined += path;
      if (CreateFolders(joined, drawingLength)) return joined;
      path = defaultFolder;
    }
  }
  // Every missing level is made, not only the last: a folder whose parent is missing would
  // otherwise take no file at all. Failures show up when a file cannot be written.
  CreateFolders(path, RootLength(path));
  return path;
}

std::u16string MakePictureName(int32_t index, const std::u16string& workbookFolder,
                               const std::u16string& workbookName, const std::u16string& sheetName,
                               int32_t shapeType) {
  const std::u16string kind = KindWord(shapeType);
  const std::u16string extension = Extension(shapeType);
  const std::u16string number = DecimalText(index);
  std::u16string base;
  if (!workbookFolder.empty()) {
    base = std::u16string(SplitPath(workbookName).name) + u"_" + sheetName + u"_" + kind + number;
  } else {
    base = MinuteStamp() + u"_" + sheetName + kind + number;
  }

  std::u16string folder = GetPicturesFolder();
  CUtiFunc::AddTrailingBackslash(folder);
  Shell& shell = Shell::Current();
  if (!shell.FileExists(folder)) shell.CreateFolder(folder);

  const std::u16string name = folder + base + extension;
  // A name held by a file that cannot be overwritten now gets the stamp; a file that can be
  // opened keeps its name and is overwritten.
  if (shell.FileExists(name) && !CanOpenForWriting(name)) {
    return folder + base + DecimalText(static_cast<int64_t>(PictureStamp())) + extension;
  }
  return name;
}

std::u16string SaveClipboardPicture(const std::u16string& baseName) {
  Clipboard& clipboard = Clipboard::Current();
  for (const ClipboardFormat& format : clipboard.Formats()) {
    const std::optional<std::u16string> extension = PictureExtension(format.name);
    if (!extension) continue;
    const std::optional<std::vector<uint8_t>> data = clipboard.Data(format.id);
    if (!data) {
      Clock::Current().Wait(kFetchRetryWait);
      continue;
    }
    // The first recognised format with data decides, even when it is empty.
    if (data->empty()) return {};

    const std::u16string name = baseName + *extension;
    Shell& shell = Shell::Current();
    uint32_t code = 0;
    std::FILE* file = shell.CreateForWriting(name, &code);
    if (file == nullptr) {
      // A file that exists but cannot be written (held by a viewer, say) stands for the picture;
      // a folder of that name does not.
      if (shell.FileExists(name) && !shell.FolderExists(name)) return name;
      ReportSaveFailure(name, code);
      return {};
    }
    errno = 0;
    const bool written = std::fwrite(data->data(), 1, data->size(), file) == data->size();
    const int writeCause = errno;
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
      // A short file is no picture: reported like a file that cannot be made, so that the
      // shapes pass tries again rather than sending a broken file's name.
      const int cause = errno != 0 ? errno : writeCause;
      ReportSaveFailure(name, SystemErrorCode(cause != 0 ? cause : EIO));
      return {};
    }
    return name;
  }
  return {};
}

std::u16string SaveCopiedPicture(const std::u16string& baseName) {
  for (int attempt = 0; attempt < kPictureAttempts; ++attempt) {
    std::u16string saved = SaveClipboardPicture(baseName);
    if (!saved.empty()) return saved;
    Clock::Current().Wait(kPictureRetryWait);
  }
  return {};
}

bool SaveClipboardMetafile(const std::u16string& fileName) {
  Clipboard& clipboard = Clipboard::Current();
  if (fileName.empty() || !clipboard.HasMetafilePicture()) return false;
  return clipboard.CopyMetafileTo(fileName);
}

uint64_t PictureStamp() {
  std::tm start{};
  start.tm_year = 120;  // 2020
  start.tm_mon = 1;     // February
  start.tm_mday = 1;
  start.tm_isdst = 0;
  Clock& clock = Clock::Current();
  const std::time_t base = clock.FromLocal(start);
  return static_cast<uint64_t>(clock.Now() - base);
}

bool CanOpenForWriting(const std::u16string& path) { return Shell::Current().CanOpenForWriting(path); }

}  // namespace vk
