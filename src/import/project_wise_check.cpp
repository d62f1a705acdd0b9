#include "import/project_wise_check.h"

#include "automation/automation_object.h"
#include "automation/com_error.h"
#include "text/text_format.h"
#include "ui/user_messages.h"

namespace vk {

namespace {

constexpr char16_t kDocumentLine[] = u"Document: %s";
constexpr char16_t kNotInDatasourceQuestion[] =
    u"Cannot find %s on the active ProjectWise datasource. Are you sure you want to use the local "
    u"path of the workbook for the imported table?";
constexpr char16_t kFailureQuestion[] =
    u"%s. Are you sure you want to use the local path of the workbook for the imported table?";

// An object-valued property that came back as Nothing (or not as an object) is a missing
// interface pointer.
ObjectPtr ObjectOf(const Variant& value) {
  if (!value.IsObject() || !value.ObjectValue()) throw ComError(kEPointer);
  return value.ObjectValue();
}

ObjectPtr Require(const ObjectPtr& object) {
  if (!object) throw ComError(kEPointer);
  return object;
}

// The connector describes a failure as "*Sentence." ; the question repeats the sentence
// without its marker and its full stops.
std::u16string FailureSentence(const std::u16string& text) {
  const size_t first = text.find_first_not_of(u'*');
  if (first == std::u16string::npos) return {};
  const size_t last = text.find_last_not_of(u'.');
  if (last == std::u16string::npos || last < first) return {};
  return text.substr(first, last - first + 1);
}

}  // namespace

std::u16string CProjectWiseCheck::InstalledKeyPath() {
  return u"CLSID\\" + kClsidProjectWiseConnector.ToString();
}

bool CProjectWiseCheck::ConnectorInstalled() {
  std::unique_ptr<RegistryKey> root = hive_.OpenRoot(RegistryRoot::ClassesRoot);
  if (!root) return false;
  long status = kRegOk;
  std::unique_ptr<RegistryKey> key = root->OpenSubKey(InstalledKeyPath(), false, &status);
  return key != nullptr && status == kRegOk;
}

int CProjectWiseCheck::AskForLocalPath(const ObjectPtr& workbook, ProjectWiseConnector& connector,
                                       const std::u16string& question) {
  if (AskYesNo(question) != kIdYes) return kPwStop;
  connector.SetTablePath(Require(workbook)->Get(u"FullName", {}, 0).ToString());
  return kPwGoOn;
}

int CProjectWiseCheck::Run(const ObjectPtr& excel) {
  if (!ConnectorInstalled()) return kPwGoOn;

  // Whatever fails from here on (Excel, the connector not being among Excel's COM add-ins, the
  // connector itself) must not keep the user from importing: the check then lets the import go
  // on without a word.
  try {
    const ObjectPtr workbooks = ObjectOf(Require(excel)->Get(u"Workbooks"));
    if (workbooks->Get(u"Count").ToInt32() < 1) return kPwGoOn;

    const Variant activeWorkbook = excel->Get(u"ActiveWorkbook");
    const ObjectPtr workbook = activeWorkbook.IsObject() ? activeWorkbook.ObjectValue() : nullptr;

    const ObjectPtr addins = ObjectOf(excel->Get(u"COMAddIns"));
    const ObjectPtr addin =
        ObjectOf(addins->Call(u"Item", {Variant::String(kProjectWiseConnectorProgId)}));
    const Variant published = addin->Get(u"Object");
    const ProjectWiseConnectorPtr connector =
        published.IsObject() ? site_.OpenConnector(published.ObjectValue()) : nullptr;
    if (!connector) return kPwGoOn;

    std::u16string document;
    const int32_t status = connector->QueryDocument(document);

    if (status == kPwStatusOk && !document.empty()) {
      Require(workbook)->Call(u"Save", {}, 0);
      const std::u16string name = workbook->Get(u"Name").ToString();
      const int32_t choice = site_.ConfirmDocument(FormatText(kDocumentLine, {name}));

      int32_t mode = kPwReleaseLeave;
      std::u16string tablePath = document;
      switch (choice) {
        case kPwChoiceCheckIn:
          mode = kPwReleaseUpdate;
          tablePath = kPwTablePathReleased;
          break;
        case kPwChoiceUpdateServerCopy:
          mode = kPwReleaseUpdate;
          break;
        case kPwChoiceFree:
          tablePath = kPwTablePathReleased;
          break;
        default:  // Cancel or the close box
          break;
      }
      connector->ReleaseDocument(document, mode);
      connector->SetTablePath(tablePath);
      // The user has decided about the server copy; the import runs whichever way.
      return kPwGoOn;
    }

    if (status == kPwStatusNotInDatasource) {
      const std::u16string name = Require(workbook)->Get(u"Name").ToString();
      return AskForLocalPath(workbook, *connector, FormatText(kNotInDatasourceQuestion, {name}));
    }

    if (status != kPwStatusOk && !document.empty() && document.front() == u'*') {
      return AskForLocalPath(workbook, *connector,
                             FormatText(kFailureQuestion, {FailureSentence(document)}));
    }

    // A failure the connector did not describe, or a document it could not name.
    return kPwStop;
  } catch (...) {
    return kPwGoOn;
  }
}

}  // namespace vk
