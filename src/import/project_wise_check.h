#pragma once
#include <string>

#include "automation/variant.h"
#include "import/project_wise_site.h"
#include "settings/registry_hive.h"

namespace vk {

// Answers of the check, the same numbers as the Yes/No of a message box.
inline constexpr int kPwGoOn = 6;
inline constexpr int kPwStop = 7;

// Before an import command runs, asks the ProjectWise connector about the active workbook: a
// checked-out document is saved and the user decides what happens to the server copy; a
// workbook the datasource does not know is imported with its local path only if the user
// agrees. Without a connector, or when anything on the way fails, the import simply goes on.
class CProjectWiseCheck {
 public:
  CProjectWiseCheck(RegistryHive& hive, ProjectWiseSite& site) : hive_(hive), site_(site) {}

  // kPwGoOn (the command runs the import) or kPwStop. Shows its questions through
  // UserMessages::Current().
  int Run(const ObjectPtr& excel);

  // The class key whose presence means the connector is installed, below HKEY_CLASSES_ROOT.
  static std::u16string InstalledKeyPath();

 private:
  bool ConnectorInstalled();
  int AskForLocalPath(const ObjectPtr& workbook, ProjectWiseConnector& connector,
                      const std::u16string& question);

  RegistryHive& hive_;
  ProjectWiseSite& site_;
};

}  // namespace vk
