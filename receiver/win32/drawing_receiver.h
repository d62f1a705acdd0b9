#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "drawing_builder.h"

namespace vk::draw {

// The drawing side of the receiver window: turns the messages it gets into drawings, one DXF per
// import in a folder, and publishes the CAD state block (a template's layers and the colour table)
// for as long as it lives.
class DrawingReceiver {
 public:
  struct Settings {
    std::wstring folder;        // where the drawings go; empty: no drawings
    std::wstring templateDxf;   // layers to publish and define in every drawing; empty: layer "0"
    bool png = false;
    std::u16string stateName;   // the file mapping's name
  };

  DrawingReceiver() = default;
  ~DrawingReceiver();
  DrawingReceiver(const DrawingReceiver&) = delete;
  DrawingReceiver& operator=(const DrawingReceiver&) = delete;

  // Reads the template and publishes the block; false with a reason when that is impossible.
  bool Start(const Settings& settings, std::string* error);

  void TableStart(int64_t rows, int64_t columns);
  void Record(const void* data, size_t cbData);
  void End(int64_t reason);

 private:
  DrawingBuilder& Builder();

  Settings settings_;
  std::string folder_;  // in the ANSI code page, as the C++ library opens files here
  std::vector<std::string> layers_;
  std::unique_ptr<DrawingBuilder> builder_;
  HANDLE mapping_ = nullptr;
};

}  // namespace vk::draw
