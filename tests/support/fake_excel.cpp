#include "fake_excel.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

#include "fake_application.h"
#include "fake_fixture.h"

namespace vk::fake {
namespace {

std::string Lower(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

}  // namespace

std::shared_ptr<FakeExcel> FakeExcel::Create(FakeBook book) {
  return std::shared_ptr<FakeExcel>(new FakeExcel(std::move(book)));
}

std::shared_ptr<FakeExcel> FakeExcel::FromFixture(const std::string& fileName) {
  return Create(LoadFixtureFile(fileName));
}

std::shared_ptr<FakeExcel> FakeExcel::FromJson(std::string_view json) {
  return Create(LoadFixture(json));
}

ObjectPtr FakeExcel::Application() { return std::make_shared<FakeApplication>(shared_from_this()); }

size_t FakeExcel::CallCount(std::string_view key) const {
  const auto it = counts_.find(Lower(key));
  return it == counts_.end() ? 0 : it->second;
}

void FakeExcel::ClearCalls() {
  calls_.clear();
  counts_.clear();
  ordinal_ = 0;
}

void FakeExcel::FailCallAt(size_t ordinal, int32_t hr) { failAt_ = {ordinal, hr}; }

void FakeExcel::FailMember(std::string key, int32_t hr) { failMembers_[Lower(key)] = hr; }

void FakeExcel::ThrowAtMember(std::string key) { throwMembers_.insert(Lower(key)); }

void FakeExcel::ClearFaults() {
  failAt_.reset();
  failMembers_.clear();
  throwMembers_.clear();
  answerAt_.reset();
  answerMembers_.clear();
  valueMembers_.clear();
}

void FakeExcel::AnswerCallAt(size_t ordinal, Unexpected answer) { answerAt_ = {ordinal, answer}; }

void FakeExcel::AnswerMember(std::string key, Unexpected answer) { answerMembers_[Lower(key)] = answer; }

void FakeExcel::AnswerMemberWith(std::string key, Variant value) { valueMembers_[Lower(key)] = std::move(value); }

std::optional<Variant> FakeExcel::InjectedValue(std::u16string_view type, std::u16string_view member) const {
  if (valueMembers_.empty()) return std::nullopt;
  const auto it = valueMembers_.find(Lower(Utf8(type) + "." + Utf8(member)));
  if (it == valueMembers_.end()) return std::nullopt;
  return it->second;
}

std::optional<FakeExcel::Unexpected> FakeExcel::InjectedAnswer(std::u16string_view type,
                                                               std::u16string_view member) const {
  if (answerAt_ && answerAt_->first == ordinal_) return answerAt_->second;
  if (answerMembers_.empty()) return std::nullopt;
  const auto it = answerMembers_.find(Lower(Utf8(type) + "." + Utf8(member)));
  if (it == answerMembers_.end()) return std::nullopt;
  return it->second;
}

void FakeExcel::BeginCall(std::u16string_view type, std::u16string_view member, InvokeKind kind,
                          std::span<const Variant> args, uint32_t lcid) {
  std::string key = Utf8(type) + "." + Utf8(member);
  const std::string lower = Lower(key);
  ++ordinal_;
  ++counts_[lower];
  if (recording_) {
    Call call{std::move(key), kind, lcid, {args.begin(), args.end()}};
    // Every stand-in object owns this Excel: an object kept in the log would keep it alive.
    for (Variant& arg : call.args) {
      if (arg.IsObject()) arg = Variant::Object(nullptr);
    }
    calls_.push_back(std::move(call));
  }
  if (failAt_ && failAt_->first == ordinal_) {
    throw ComError(failAt_->second, ComError::SystemMessage(failAt_->second));
  }
  if (const auto it = failMembers_.find(lower); it != failMembers_.end()) {
    throw ComError(it->second, ComError::SystemMessage(it->second));
  }
  if (throwMembers_.count(lower) != 0) throw std::logic_error("stand-in failure: " + lower);
}

}  // namespace vk::fake
