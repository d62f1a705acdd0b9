#pragma once
// Sequences of window messages checked as tables: one row per message (message, wParam, lParam),
// compared row by row; a mismatch names the first row that differs and the field.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "memory_link.h"

namespace vk::test {

// The link's messages by the numbers the receiver knows them by (written here, not taken from
// the product, so that a changed constant shows).
inline constexpr unsigned kCopyDataMessage = 0x004A;
inline constexpr unsigned kTableStartMessage = 0x465;
inline constexpr unsigned kEndMessage = 0x466;
inline constexpr unsigned kImportMessage = 0x468;

// A parameter that is not compared (a WM_COPYDATA's lParam is an address in the receiver).
inline constexpr std::nullopt_t kAny = std::nullopt;

struct MessageRow {
  unsigned message = 0;
  std::optional<uint64_t> wParam;
  std::optional<int64_t> lParam;
};

inline std::vector<MessageRow> Rows(const std::vector<LinkMessage>& messages) {
  std::vector<MessageRow> rows;
  for (const LinkMessage& m : messages) rows.push_back({m.kind, m.wParam, m.lParam});
  return rows;
}

// Anything with message, wParam and lParam: what the stand-in receiver logged, what a test window
// was sent.
template <typename Message>
std::vector<MessageRow> Rows(const std::vector<Message>& messages) {
  std::vector<MessageRow> rows;
  for (const Message& m : messages)
    rows.push_back(
        {static_cast<unsigned>(m.message), static_cast<uint64_t>(m.wParam), static_cast<int64_t>(m.lParam)});
  return rows;
}

namespace message_table {

// In hexadecimal, as message numbers are written (several windows use the same numbers for
// messages of their own, so no name is guessed).
inline std::string Name(unsigned message) {
  std::ostringstream text;
  text << "0x" << std::hex << message;
  return text.str();
}

template <typename T>
std::string Value(const std::optional<T>& value) {
  return value ? std::to_string(*value) : std::string("any");
}

inline std::string Row(const MessageRow& row) {
  return Name(row.message) + " wParam " + Value(row.wParam) + " lParam " + Value(row.lParam);
}

}  // namespace message_table

// Usage: EXPECT_TRUE(SameMessages(Rows(link.messages), {{kTableStartMessage, 2, 3}, ...}));
inline ::testing::AssertionResult SameMessages(const std::vector<MessageRow>& got,
                                               const std::vector<MessageRow>& expected) {
  using message_table::Row;
  using message_table::Value;
  for (size_t i = 0; i < got.size() || i < expected.size(); ++i) {
    std::ostringstream where;
    where << "row " << i << " of " << expected.size() << " expected (" << got.size() << " got): ";
    if (i >= got.size())
      return ::testing::AssertionFailure() << where.str() << "missing; expected " << Row(expected[i]);
    if (i >= expected.size()) return ::testing::AssertionFailure() << where.str() << "unexpected " << Row(got[i]);
    const MessageRow& g = got[i];
    const MessageRow& e = expected[i];
    std::string field;
    std::string seen, wanted;
    if (g.message != e.message) {
      field = "message", seen = message_table::Name(g.message), wanted = message_table::Name(e.message);
    } else if (e.wParam && g.wParam != e.wParam) {
      field = "wParam", seen = Value(g.wParam), wanted = Value(e.wParam);
    } else if (e.lParam && g.lParam != e.lParam) {
      field = "lParam", seen = Value(g.lParam), wanted = Value(e.lParam);
    } else {
      continue;
    }
    return ::testing::AssertionFailure() << where.str() << field << " is " << seen << ", expected " << wanted
                                         << "\n  got:      " << Row(g) << "\n  expected: " << Row(e);
  }
  return ::testing::AssertionSuccess();
}

// The records (WM_COPYDATA messages) of two runs, byte for byte: the first record that differs
// is named with its size or first differing byte.
inline ::testing::AssertionResult SameRecords(const std::vector<LinkMessage>& got,
                                              const std::vector<LinkMessage>& expected) {
  std::vector<const LinkMessage*> a, b;
  for (const LinkMessage& m : got)
    if (m.kind == kCopyDataMessage) a.push_back(&m);
  for (const LinkMessage& m : expected)
    if (m.kind == kCopyDataMessage) b.push_back(&m);
  if (a.size() != b.size())
    return ::testing::AssertionFailure() << a.size() << " records, expected " << b.size();
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i]->cbData != b[i]->cbData)
      return ::testing::AssertionFailure() << "record " << i << ": size " << a[i]->cbData << ", expected "
                                           << b[i]->cbData;
    if (a[i]->bytes != b[i]->bytes) {
      size_t at = 0;
      while (at < a[i]->bytes.size() && at < b[i]->bytes.size() && a[i]->bytes[at] == b[i]->bytes[at]) ++at;
      return ::testing::AssertionFailure() << "record " << i << " differs from byte " << at;
    }
  }
  return ::testing::AssertionSuccess();
}

}  // namespace vk::test
