#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace vk {

class CLayerColorPageModel;
class CScalePageModel;
class CObjectPageModel;
class COtherPageModel;

inline constexpr char16_t kOptionsFileSignature[] = u"Vellumark Options";
// Written into every file; files of a higher version are refused.
inline constexpr int32_t kOptionsFileVersion = 6;

extern const char16_t kNotValidOptionsFileMessage[];
// printf-style with the file's path: our wording for the failures of the file itself.
extern const char16_t kOptionsFileOpenFailedFormat[];
extern const char16_t kOptionsFileCreateFailedFormat[];
extern const char16_t kOptionsFileReadErrorFormat[];

// The four pages of the Options sheet, in page order.
struct OptionsPages {
  CLayerColorPageModel& layerColor;
  CScalePageModel& scale;
  CObjectPageModel& object;
  COtherPageModel& other;
};

// An options file: a snapshot of the four pages' fields that users keep and exchange. Nothing
// here touches the registry's options; they are stored when the sheet applies.
class COptionsFile {
 public:
  enum class ReadResult { Ok, NotValid, ReadError };

  // The bytes of a file: signature, version 6, the four sections in page order.
  static std::vector<uint8_t> Write(const OptionsPages& pages);
  // Reads a file's bytes into the pages. Nothing changes unless the whole file reads: the
  // sections are read into copies that replace the pages' fields only at the end.
  static ReadResult Read(const std::vector<uint8_t>& bytes, const OptionsPages& pages);

  // The Template menu's two commands after their file dialogs: each reports its failure in a
  // message box and returns false. Load also records the file's folder as OptionFileFolder,
  // whatever happens next.
  static bool Save(const std::u16string& path, const OptionsPages& pages);
  static bool Load(const std::u16string& path, const OptionsPages& pages);
};

}  // namespace vk
