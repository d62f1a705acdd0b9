#include "drawing_files.h"

#include <filesystem>

#include "dxf_writer.h"
#include "picture_writer.h"

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

bool WriteDrawingFiles(const Drawing& drawing, const std::string& stem, bool png, bool svg,
                       const std::vector<std::string>& templateLayers, std::string* report) {
  bool ok = true;
  auto note = [&](bool written, const std::string& path) {
    ok = ok && written;
    *report += (written ? "wrote " : "cannot write ") + path + "\n";
  };
  note(WriteDxf(drawing, stem + ".dxf", templateLayers), stem + ".dxf");
  if (png) note(WritePicture(drawing, stem + ".png", PictureFormat::Png), stem + ".png");
  if (svg) note(WritePicture(drawing, stem + ".svg", PictureFormat::Svg), stem + ".svg");
  return ok;
}

}  // namespace vk::draw
