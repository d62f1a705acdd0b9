#include "settings/options_file.h"

#include <cstdio>
#include <optional>

#include "settings/layer_color_page_model.h"
#include "settings/object_page_model.h"
#include "settings/option_table.h"
#include "settings/options_archive.h"
#include "settings/other_page_model.h"
#include "settings/scale_page_model.h"
#include "ui/user_messages.h"
#include "text/utf8_text.h"

namespace vk {

const char16_t kNotValidOptionsFileMessage[] = u"This is not a valid options file.";
const char16_t kOptionsFileOpenFailedFormat[] = u"Could not open the options file %s.";
const char16_t kOptionsFileCreateFailedFormat[] = u"Could not write the options file %s.";
const char16_t kOptionsFileReadErrorFormat[] =
    u"Could not read the options file %s: it ends before all of its options.";

namespace {

std::u16string WithPath(std::u16string format, const std::u16string& path) {
  const size_t at = format.find(u"%s");
  if (at != std::u16string::npos) format.replace(at, 2, path);
  return format;
}

std::FILE* OpenFile(const std::u16string& path, bool write) {
#ifdef _WIN32
  std::wstring wide(path.begin(), path.end());
  return _wfopen(wide.c_str(), write ? L"wb" : L"rb");
#else
  // Native builds: the path is the host's, handed over as UTF-16.
  return std::fopen(ToUtf8(path).c_str(), write ? "wb" : "rb");
#endif
}

std::optional<std::vector<uint8_t>> ReadWholeFile(const std::u16string& path) {
  std::FILE* f = OpenFile(path, false);
  if (!f) return std::nullopt;
  std::vector<uint8_t> bytes;
  uint8_t chunk[4096];
  size_t n;
  while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0) bytes.insert(bytes.end(), chunk, chunk + n);
  const bool failed = std::ferror(f) != 0;
  std::fclose(f);
  if (failed) return std::nullopt;
  return bytes;
}

bool WriteWholeFile(const std::u16string& path, const std::vector<uint8_t>& bytes) {
  std::FILE* f = OpenFile(path, true);
  if (!f) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return (std::fclose(f) == 0) && written;
}

}  // namespace

std::vector<uint8_t> COptionsFile::Write(const OptionsPages& pages) {
  COptionsArchive ar;
  ar.WriteString(kOptionsFileSignature);
  ar.WriteInt32(kOptionsFileVersion);
  pages.layerColor.ExchangeOptions(ar, kOptionsFileVersion);
  pages.scale.ExchangeOptions(ar, kOptionsFileVersion);
  pages.object.ExchangeOptions(ar, kOptionsFileVersion);
  pages.other.ExchangeOptions(ar, kOptionsFileVersion);
  return ar.Bytes();
}

COptionsFile::ReadResult COptionsFile::Read(const std::vector<uint8_t>& bytes, const OptionsPages& pages) {
  COptionsArchive ar(bytes);
  CLayerColorPageModel layerColor = pages.layerColor;
  CScalePageModel scale = pages.scale;
  CObjectPageModel object = pages.object;
  COtherPageModel other = pages.other;
  try {
    // The comparison is on the text, so a signature written as 8-bit characters is accepted.
    if (ar.ReadString() != kOptionsFileSignature) return ReadResult::NotValid;
    const int32_t version = ar.ReadInt32();
    if (version > kOptionsFileVersion) return ReadResult::NotValid;
    layerColor.ExchangeOptions(ar, version);
    scale.ExchangeOptions(ar, version);
    object.ExchangeOptions(ar, version);
    other.ExchangeOptions(ar, version);
  } catch (const OptionsFileReadError&) {
    // Keep the pages as they were rather than half of a damaged file.
    return ReadResult::ReadError;
  }
  pages.layerColor = std::move(layerColor);
  pages.scale = std::move(scale);
  pages.object = std::move(object);
  pages.other = std::move(other);
  return ReadResult::Ok;
}

bool COptionsFile::Save(const std::u16string& path, const OptionsPages& pages) {
  // The sheet has taken every page's controls into its fields before calling: a page that
  // refuses a field stops the save before the file exists, so no header-only file is left.
  if (!WriteWholeFile(path, Write(pages))) {
    ShowWarning(WithPath(kOptionsFileCreateFailedFormat, path));
    return false;
  }
  return true;
}

bool COptionsFile::Load(const std::u16string& path, const OptionsPages& pages) {
  // The next Open dialog starts where this one ended, even when the file is refused.
  const size_t slash = path.find_last_of(u"\\/");
  WriteOption(options::kOptionFileFolder, kProductKey,
              slash == std::u16string::npos ? std::u16string(u".\\") : path.substr(0, slash + 1));

  const auto bytes = ReadWholeFile(path);
  if (!bytes) {
    ShowWarning(WithPath(kOptionsFileOpenFailedFormat, path));
    return false;
  }
  switch (Read(*bytes, pages)) {
    case ReadResult::Ok:
      return true;
    case ReadResult::NotValid:
      ShowWarning(kNotValidOptionsFileMessage);
      return false;
    case ReadResult::ReadError:
      ShowWarning(WithPath(kOptionsFileReadErrorFormat, path));
      return false;
  }
  return false;
}

}  // namespace vk
