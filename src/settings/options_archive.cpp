#include "settings/options_archive.h"

#include <bit>

#include "settings/ansi_code_page.h"

namespace vk {

void COptionsArchive::WriteU16(uint16_t v) {
  for (int i = 0; i < 2; ++i) m_bytes.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

void COptionsArchive::WriteU32(uint32_t v) {
  for (int i = 0; i < 4; ++i) m_bytes.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

void COptionsArchive::WriteU64(uint64_t v) {
  for (int i = 0; i < 8; ++i) m_bytes.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

void COptionsArchive::WriteInt32(int32_t value) { WriteU32(static_cast<uint32_t>(value)); }

void COptionsArchive::WriteDouble(double value) { WriteU64(std::bit_cast<uint64_t>(value)); }

void COptionsArchive::WriteString(std::u16string_view text) {
  const uint64_t length = text.size();
  WriteU8(0xFF);
  WriteU16(0xFFFE);  // UTF-16 follows
  if (length < 0xFF) {
    WriteU8(static_cast<uint8_t>(length));
  } else if (length < 0xFFFE) {
    WriteU8(0xFF);
    WriteU16(static_cast<uint16_t>(length));
  } else if (length < 0xFFFFFFFFu) {
    WriteU8(0xFF);
    WriteU16(0xFFFF);
    WriteU32(static_cast<uint32_t>(length));
  } else {
    WriteU8(0xFF);
    WriteU16(0xFFFF);
    WriteU32(0xFFFFFFFFu);
    WriteU64(length);
  }
  for (char16_t c : text) WriteU16(static_cast<uint16_t>(c));
}

void COptionsArchive::Need(uint64_t count) const {
  if (count > Remaining()) throw OptionsFileReadError();
}

uint8_t COptionsArchive::ReadU8() {
  Need(1);
  return m_bytes[m_pos++];
}

uint16_t COptionsArchive::ReadU16() {
  Need(2);
  uint16_t v = static_cast<uint16_t>(m_bytes[m_pos] | (m_bytes[m_pos + 1] << 8));
  m_pos += 2;
  return v;
}

uint32_t COptionsArchive::ReadU32() {
  Need(4);
  uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | m_bytes[m_pos + i];
  m_pos += 4;
  return v;
}

uint64_t COptionsArchive::ReadU64() {
  Need(8);
  uint64_t v = 0;
  for (int i = 7; i >= 0; --i) v = (v << 8) | m_bytes[m_pos + i];
  m_pos += 8;
  return v;
}

int32_t COptionsArchive::ReadInt32() { return static_cast<int32_t>(ReadU32()); }

double COptionsArchive::ReadDouble() { return std::bit_cast<double>(ReadU64()); }

std::u16string COptionsArchive::ReadString() {
  bool wide = false;
  uint64_t length = 0;
  const uint8_t n = ReadU8();
  if (n < 0xFF) {
    length = n;
  } else {
    uint16_t w = ReadU16();
    bool haveLength = false;
    if (w == 0xFFFE) {
      wide = true;
      const uint8_t n2 = ReadU8();
      if (n2 < 0xFF) {
        length = n2;
        haveLength = true;
      } else {
        w = ReadU16();
      }
    }
    if (!haveLength) {
      if (w < 0xFFFF) {
        length = w;
      } else {
        const uint32_t d = ReadU32();
        length = d < 0xFFFFFFFFu ? d : ReadU64();
      }
    }
  }

  // The length comes from the file: it is checked against what is left before anything is
  // allocated, so a damaged length is a read error and never a huge allocation.
  if (wide) {
    if (length > Remaining() / 2) throw OptionsFileReadError();
    std::u16string text(static_cast<size_t>(length), u'\0');
    for (auto& c : text) c = static_cast<char16_t>(ReadU16());
    return text;
  }
  Need(length);
  std::string_view bytes(reinterpret_cast<const char*>(m_bytes.data() + m_pos), static_cast<size_t>(length));
  m_pos += static_cast<size_t>(length);
  return AnsiCodePage::Current().ToUtf16(bytes);
}

}  // namespace vk
