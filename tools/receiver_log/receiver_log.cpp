#include "receiver_log.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace vk::test {

namespace {

template <typename T>
void Put(std::vector<uint8_t>& out, T value) {
  auto bits = static_cast<uint64_t>(value);
  for (size_t i = 0; i < sizeof(T); ++i) out.push_back(static_cast<uint8_t>(bits >> (8 * i)));
}

template <typename T>
T Get(const uint8_t* in) {
  uint64_t bits = 0;
  for (size_t i = 0; i < sizeof(T); ++i) bits |= static_cast<uint64_t>(in[i]) << (8 * i);
  return static_cast<T>(bits);
}

}  // namespace

std::vector<uint8_t> EncodeReceiverEntry(const ReceiverEntry& entry) {
  std::vector<uint8_t> out;
  out.reserve(kReceiverEntryHeaderSize + entry.bytes.size());
  Put<uint32_t>(out, entry.direction);
  Put<uint32_t>(out, entry.message);
  Put<uint64_t>(out, entry.wParam);
  Put<int64_t>(out, entry.lParam);
  Put<uint64_t>(out, entry.dwData);
  Put<uint32_t>(out, static_cast<uint32_t>(entry.bytes.size()));
  Put<uint32_t>(out, 0);
  Put<int64_t>(out, entry.result);
  out.insert(out.end(), entry.bytes.begin(), entry.bytes.end());
  return out;
}

std::optional<std::vector<ReceiverEntry>> ReadReceiverLog(const std::u16string& path) {
  std::ifstream in(std::filesystem::path(path), std::ios::binary);
  if (!in) return std::nullopt;
  const std::vector<uint8_t> data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (data.size() < 8 || std::memcmp(data.data(), kReceiverLogMagic, 4) != 0 ||
      Get<uint32_t>(data.data() + 4) != kReceiverLogVersion) {
    return std::nullopt;
  }
  std::vector<ReceiverEntry> entries;
  size_t at = 8;
  while (data.size() - at >= kReceiverEntryHeaderSize) {
    const uint8_t* p = data.data() + at;
    ReceiverEntry entry;
    entry.direction = Get<uint32_t>(p);
    entry.message = Get<uint32_t>(p + 4);
    entry.wParam = Get<uint64_t>(p + 8);
    entry.lParam = Get<int64_t>(p + 16);
    entry.dwData = Get<uint64_t>(p + 24);
    entry.cbData = Get<uint32_t>(p + 32);
    entry.result = Get<int64_t>(p + 40);
    if (data.size() - at - kReceiverEntryHeaderSize < entry.cbData) break;
    entry.bytes.assign(p + kReceiverEntryHeaderSize, p + kReceiverEntryHeaderSize + entry.cbData);
    at += kReceiverEntryHeaderSize + entry.cbData;
    entries.push_back(std::move(entry));
  }
  return entries;
}

}  // namespace vk::test
