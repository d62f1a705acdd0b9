#pragma once
#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "automation/automation_object.h"
#include "import/project_wise_connector.h"

namespace vk::fake {

// One call the add-in made on the connector, with its arguments.
struct ConnectorCall {
  enum class Op { QueryDocument, ReleaseDocument, SetTablePath };
  Op op;
  std::u16string text;  // ReleaseDocument's document, SetTablePath's path
  int32_t mode = 0;     // ReleaseDocument's mode

  static ConnectorCall Query() { return {Op::QueryDocument, {}, 0}; }
  static ConnectorCall Release(std::u16string document, int32_t mode) {
    return {Op::ReleaseDocument, std::move(document), mode};
  }
  static ConnectorCall TablePath(std::u16string path) { return {Op::SetTablePath, std::move(path), 0}; }

  friend bool operator==(const ConnectorCall&, const ConnectorCall&) = default;
  friend void PrintTo(const ConnectorCall& call, std::ostream* os);
};

// A stand-in for the ProjectWise connector: answers QueryDocument with a scripted status and
// text, fails any of its operations with a chosen HRESULT, and records every call. Offered as
// an automation object that hands out the connector interface when asked for it, as the real
// connector's COM add-in object does. The COM stand-in (Windows) forwards to one of these.
class FakeProjectWiseConnector final : public AutomationObject,
                                       public ProjectWiseConnector,
                                       public std::enable_shared_from_this<FakeProjectWiseConnector> {
 public:
  struct Script {
    int32_t status = 0;
    std::u16string document;
    // Non-zero: the operation fails with this HRESULT (after being recorded).
    int32_t queryFails = 0;
    int32_t releaseFails = 0;
    int32_t setTablePathFails = 0;
    // False: the object refuses the connector interface, like an unrelated add-in's object.
    bool offersInterface = true;
  };

  FakeProjectWiseConnector() = default;
  explicit FakeProjectWiseConnector(Script script) : script_(std::move(script)) {}

  Script& script() { return script_; }
  const std::vector<ConnectorCall>& calls() const { return calls_; }

  int32_t QueryDocument(std::u16string& document) override;
  void ReleaseDocument(const std::u16string& document, int32_t mode) override;
  void SetTablePath(const std::u16string& path) override;

  Variant Invoke(std::u16string_view member, InvokeKind kind, std::span<const Variant> args,
                 uint32_t lcid) override;
  ObjectPtr QueryInterface(const Guid& iid) override;

 private:
  Script script_;
  std::vector<ConnectorCall> calls_;
};

}  // namespace vk::fake
