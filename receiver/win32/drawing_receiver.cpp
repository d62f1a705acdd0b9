#include "drawing_receiver.h"

#include <cstdio>
#include <cstring>
#include <filesystem>

#include "cad_state_text.h"
#include "drawing_files.h"
#include "dxf_writer.h"
#include "settings/default_colour_table.h"
#include "text/utf8_text.h"

namespace vk::draw {

namespace {

// MinGW's C++ library (and dxflib through it) opens narrow paths in the ANSI code page: a path
// that page cannot hold is refused rather than written somewhere else.
bool AnsiPath(const std::wstring& path, std::string* out) {
  if (path.empty()) return true;
  BOOL lossy = FALSE;
  const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, path.c_str(), -1, nullptr, 0, nullptr, &lossy);
  if (size <= 0 || lossy) return false;
  std::string text(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, path.c_str(), -1, text.data(), size, nullptr, &lossy);
  text.resize(static_cast<size_t>(size) - 1);
  *out = std::move(text);
  return !lossy;
}

void LogLine(const std::string& line) { std::fprintf(stderr, "%s\n", line.c_str()); }

}  // namespace

DrawingReceiver::~DrawingReceiver() {
  if (mapping_ != nullptr) CloseHandle(mapping_);
}

bool DrawingReceiver::Start(const Settings& settings, std::string* error) {
  settings_ = settings;
  if (settings.png && !CanWritePictures()) {
    *error = "this build writes DXF only: there is no picture writer (cairo) for Windows";
    return false;
  }
  if (!AnsiPath(settings.folder, &folder_)) {
    *error = "the drawings folder's name does not fit the ANSI code page";
    return false;
  }
  if (!folder_.empty() && !std::filesystem::is_directory(folder_)) {
    *error = "no folder " + folder_;
    return false;
  }
  std::string templatePath;
  if (!AnsiPath(settings.templateDxf, &templatePath)) {
    *error = "the template's name does not fit the ANSI code page";
    return false;
  }
  if (!templatePath.empty()) {
    layers_ = ReadDxfLayers(templatePath);
    if (layers_.empty()) {
      *error = "cannot read layers from " + templatePath;
      return false;
    }
  }
  std::vector<std::string> skipped;
  const std::u16string text = CadStateText(layers_.empty() ? std::vector<std::string>{"0"} : layers_,
                                           DefaultColourTable(), &skipped);
  for (const std::string& name : skipped) LogLine("layer \"" + name + "\" cannot be published: left out");
  const size_t bytes = (text.size() + 1) * sizeof(char16_t);
  mapping_ = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, static_cast<DWORD>(bytes),
                                reinterpret_cast<const wchar_t*>(settings.stateName.c_str()));
  void* view = mapping_ ? MapViewOfFile(mapping_, FILE_MAP_WRITE, 0, 0, bytes) : nullptr;
  if (view == nullptr) {
    *error = "cannot publish the CAD state block";
    return false;
  }
  std::memcpy(view, text.c_str(), bytes);
  UnmapViewOfFile(view);
  return true;
}

// The options are read when an import begins, so a change on the Options sheet between two
// imports applies to the next one.
DrawingBuilder& DrawingReceiver::Builder() {
  if (!builder_) {
    DrawingOptions options = ReadDrawingOptions();
    // Relative picture references are relative to the drawings' folder when the CAD side has not
    // named its drawing's folder.
    if (options.drawingFolder.empty()) options.drawingFolder = FromUtf8(folder_);
    builder_ = std::make_unique<DrawingBuilder>(std::move(options), LogLine);
  }
  return *builder_;
}

void DrawingReceiver::TableStart(int64_t rows, int64_t columns) {
  if (!folder_.empty()) Builder().TableStart(rows, columns);
}

void DrawingReceiver::Record(const void* data, size_t cbData) {
  if (!folder_.empty()) Builder().Record(data, cbData);
}

void DrawingReceiver::End(int64_t reason) {
  // Only the end of an import (1) makes a drawing; a disconnection (2) leaves nothing to draw.
  if (folder_.empty() || reason != 1) return;
  const Drawing drawing = Builder().End(1);
  builder_.reset();
  std::string report;
  WriteDrawingFiles(drawing, NextDrawingPath(folder_, "import"), settings_.png, false, layers_, &report);
  std::fputs(report.c_str(), stdout);
  std::fflush(stdout);
}

}  // namespace vk::draw
