#pragma once
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vk {

// Raised when a loading archive runs out of bytes before the field it is asked for.
class OptionsFileReadError : public std::runtime_error {
 public:
  OptionsFileReadError() : std::runtime_error("unexpected end of the options file") {}
};

// The byte stream of an options file: little-endian fixed-width numbers and length-prefixed
// strings, with no field names. The same encoding as the archives the first versions of the
// product wrote, so every file ever saved still loads.
class COptionsArchive {
 public:
  // A storing archive; the bytes collect in Bytes().
  COptionsArchive() = default;
  // A loading archive over the bytes of a file.
  explicit COptionsArchive(std::vector<uint8_t> bytes) : m_bytes(std::move(bytes)), m_bLoading(true) {}

  bool IsStoring() const { return !m_bLoading; }
  bool IsLoading() const { return m_bLoading; }
  const std::vector<uint8_t>& Bytes() const { return m_bytes; }
  size_t Remaining() const { return m_bytes.size() - m_pos; }

  void WriteInt32(int32_t value);
  void WriteDouble(double value);
  // Always the UTF-16 form: FF FE FF marks it, then the length in code units in the shortest of
  // the 8/16/32/64-bit forms, then the code units.
  void WriteString(std::u16string_view text);

  // Each read throws OptionsFileReadError when the bytes end early; nothing is read past them.
  int32_t ReadInt32();
  double ReadDouble();
  // Reads the UTF-16 form and the older 8-bit form, which is converted with the ANSI code page.
  std::u16string ReadString();

 private:
  void Need(uint64_t count) const;
  uint8_t ReadU8();
  uint16_t ReadU16();
  uint32_t ReadU32();
  uint64_t ReadU64();
  void WriteU8(uint8_t v) { m_bytes.push_back(v); }
  void WriteU16(uint16_t v);
  void WriteU32(uint32_t v);
  void WriteU64(uint64_t v);

  std::vector<uint8_t> m_bytes;
  size_t m_pos = 0;
  bool m_bLoading = false;
};

}  // namespace vk
