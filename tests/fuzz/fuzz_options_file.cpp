// Options files come from anywhere: users exchange them. Any bytes must either load or be
// refused without touching the pages, and a loaded file must save to a file that loads back to
// the same pages and the same bytes.
#include <cstdlib>

#include "settings/layer_color_page_model.h"
#include "settings/object_page_model.h"
#include "settings/options_archive.h"
#include "settings/options_file.h"
#include "settings/other_page_model.h"
#include "settings/scale_page_model.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

struct Pages {
  vk::CLayerColorPageModel layer;
  vk::CScalePageModel scale;
  vk::CObjectPageModel object;
  vk::COtherPageModel other;
  vk::OptionsPages Ref() { return {layer, scale, object, other}; }
  friend bool operator==(const Pages&, const Pages&) = default;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using vk::COptionsFile;
  std::vector<uint8_t> bytes(data, data + size);
  // A random signature is rare; half the inputs get the real one so the sections are explored.
  if (size > 0 && (data[0] & 1)) {
    vk::COptionsArchive header;
    header.WriteString(vk::kOptionsFileSignature);
    bytes = header.Bytes();
    bytes.insert(bytes.end(), data + 1, data + size);
  }
  Pages pages;
  if (COptionsFile::Read(bytes, pages.Ref()) != COptionsFile::ReadResult::Ok) {
    Check(pages == Pages{});
    return 0;
  }
  const std::vector<uint8_t> saved = COptionsFile::Write(pages.Ref());
  Pages again;
  Check(COptionsFile::Read(saved, again.Ref()) == COptionsFile::ReadResult::Ok);
  // Saving normalises (trimmed shift characters, no negative link path type) once; after that
  // the file is a fixed point.
  Check(COptionsFile::Write(again.Ref()) == saved);
  return 0;
}
