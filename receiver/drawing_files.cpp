#include "drawing_files.h"

#include <filesystem>

#include "dxf_writer.h"
#ifdef VK_DRAWING_PICTURES
#include "picture_writer.h"
#endif

namespace vk::draw {

std::string NextDrawingPath(const std::string& folder, const std::string& base) {
  namespace fs = std::filesystem;
  for (unsigned n = 1;; ++n) {
    const std::string stem = (fs::path(folder) / (base + "-" + std::to_string(n))).string();
    bool taken = false;
    for (const char* ext : {".dxf", ".png", ".svg"}) taken = taken || fs::exists(stem + ext);
    if (!taken) return stem;
  }
}

bool CanWritePictures() {
#ifdef VK_DRAWING_PICTURES
  return true;
#else
  return false;
#endif
}

bool WriteDrawingFiles(const Drawing& drawing, const std::string& stem, bool png, bool svg,
                       const std::vector<std::string>& templateLayers, std::string* report) {
  bool ok = true;
  auto note = [&](bool written, const std::string& path) {
    ok = ok && written;
    *report += (written ? "wrote " : "cannot write ") + path + "\n";
  };
  note(WriteDxf(drawing, stem + ".dxf", templateLayers), stem + ".dxf");
#ifdef VK_DRAWING_PICTURES
  if (png) note(WritePicture(drawing, stem + ".png", PictureFormat::Png), stem + ".png");
  if (svg) note(WritePicture(drawing, stem + ".svg", PictureFormat::Svg), stem + ".svg");
#else
  // Built without cairo (the MinGW tree): a picture asked for is reported as not written.
  if (png) note(false, stem + ".png (no picture writer in this build)");
  if (svg) note(false, stem + ".svg (no picture writer in this build)");
#endif
  return ok;
}

}  // namespace vk::draw
