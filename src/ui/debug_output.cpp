#include "ui/debug_output.h"

#include <cstdio>

#include "text/utf8_text.h"

namespace vk {
namespace {

std::function<void(const std::u16string&)>& Sink() {
  static std::function<void(const std::u16string&)> sink;
  return sink;
}

}  // namespace

void WriteDebugOutput(const std::u16string& text) {
  if (Sink()) {
    Sink()(text);
    return;
  }
  const std::string utf8 = ToUtf8(text);
  std::fprintf(stderr, "%s\n", utf8.c_str());
}

void SetDebugOutputSink(std::function<void(const std::u16string&)> sink) { Sink() = std::move(sink); }

}  // namespace vk
