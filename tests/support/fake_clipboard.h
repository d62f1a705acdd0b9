#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "ui/clipboard.h"

namespace vk::fake {

// What Excel puts on the clipboard when a shape is copied (Shape.Copy): its registered formats
// by name with their bytes, in Excel's order, and whether a metafile picture is offered too.
struct ClipboardContent {
  std::vector<ClipboardItem> formats;
  bool metafilePicture = false;
};

// The shapes whose copies differ: pictures (Shape.Type 13), charts (3) and every drawn shape.
enum class CopiedShape { Picture, Chart, AutoShape };

// What Excel offers for a copied shape of that kind (see the .cpp for where it comes from).
ClipboardContent DefaultClipboardContent(CopiedShape kind);

// A fixture's "clipboard" value (tests/fixtures/README.md, "Shapes: clipboard"): the name of a
// kind's default ("picture", "chart", "autoShape") or an object of formats. Throws
// std::runtime_error naming `where`.
ClipboardContent LoadClipboardContent(const nlohmann::json& data, const std::string& where);

// Empties the current clipboard (the platform's own under Wine) and puts the content on it.
// False when the clipboard could not be taken.
bool PutOnClipboard(const ClipboardContent& content);

// The image bytes of the defaults: a 1 by 1 PNG, a JFIF header stream and a 1 by 1 GIF.
const std::vector<uint8_t>& SamplePng();
const std::vector<uint8_t>& SampleJfif();
const std::vector<uint8_t>& SampleGif();

}  // namespace vk::fake
