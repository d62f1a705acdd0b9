#include "fake_project_wise_connector.h"

#include "automation/com_error.h"

namespace vk::fake {

void PrintTo(const ConnectorCall& call, std::ostream* os) {
  const std::u16string& t = call.text;
  const std::string text(t.begin(), t.end());  // test texts are ASCII
  switch (call.op) {
    case ConnectorCall::Op::QueryDocument: *os << "QueryDocument()"; break;
    case ConnectorCall::Op::ReleaseDocument: *os << "ReleaseDocument(\"" << text << "\", " << call.mode << ")"; break;
    case ConnectorCall::Op::SetTablePath: *os << "SetTablePath(\"" << text << "\")"; break;
  }
}

int32_t FakeProjectWiseConnector::QueryDocument(std::u16string& document) {
  calls_.push_back(ConnectorCall::Query());
  if (script_.queryFails) throw ComError(script_.queryFails);
  document = script_.document;
  return script_.status;
}

void FakeProjectWiseConnector::ReleaseDocument(const std::u16string& document, int32_t mode) {
  calls_.push_back(ConnectorCall::Release(document, mode));
  if (script_.releaseFails) throw ComError(script_.releaseFails);
}

void FakeProjectWiseConnector::SetTablePath(const std::u16string& path) {
  calls_.push_back(ConnectorCall::TablePath(path));
  if (script_.setTablePathFails) throw ComError(script_.setTablePathFails);
}

Variant FakeProjectWiseConnector::Invoke(std::u16string_view, InvokeKind, std::span<const Variant>,
                                         uint32_t) {
  // The connector is reached through its own interface only; it names no automation members.
  throw ComError(kDispEUnknownName);
}

ObjectPtr FakeProjectWiseConnector::QueryInterface(const Guid& iid) {
  if (iid == kIidDispatch) return shared_from_this();
  if (iid == kIidProjectWiseConnector && script_.offersInterface) return shared_from_this();
  throw ComError(kENoInterface);
}

}  // namespace vk::fake
