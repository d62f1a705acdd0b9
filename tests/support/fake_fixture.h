#pragma once
#include <string>
#include <string_view>

#include "fake_book.h"

namespace vk::fake {

// Reads a stand-in workbook from fixture JSON (format: tests/fixtures/README.md). Throws
// std::runtime_error naming what is wrong; unknown keys are refused so that a misspelt key
// cannot silently leave a fixture without the data a test relies on.
FakeBook LoadFixture(std::string_view json);
// The fixtures folder (tests/fixtures of the source tree).
std::string FixturesDir();
// A relative file name is taken from the fixtures folder.
FakeBook LoadFixtureFile(const std::string& fileName);
// The text of a fixture file, found as LoadFixtureFile finds it; throws std::runtime_error when
// it cannot be read, so that a test never runs on an empty workbook by mistake.
std::string ReadFixtureText(const std::string& fileName);

}  // namespace vk::fake
