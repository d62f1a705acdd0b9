#pragma once
#include <cstdint>
#include <string>

#include "automation/variant.h"
#include "import/active_cell_keeper.h"
#include "import/import_session.h"
#include "link/link_channel.h"
#include "log/log_file.h"

namespace vk {

// Result codes of an import besides success (0) and the step mark of an unexpected failure.
inline constexpr int kImportNoExcel = 1300;
inline constexpr int kImportNoActiveSheet = 1348;
inline constexpr int kImportNoSelection = 1363;
inline constexpr int kImportNotARange = 1375;
inline constexpr int kImportBadLimitedRange = 1534;

// The import state of the add-in object and the import itself. The COM add-in object
// (CXVKAddin, Windows only) derives from it and adds its interfaces and connection.
class CImportDriver : public ImportRequestHandler {
 public:
  CImportDriver();
  ~CImportDriver() override;
  CImportDriver(const CImportDriver&) = delete;
  CImportDriver& operator=(const CImportDriver&) = delete;

  // Imports the selection (non-zero) or the worksheet (zero) of the active sheet; 0 on
  // success, otherwise a result code above, Excel's busy code or the failing step mark.
  // A call while an import of this object runs (a CAD request arriving during a send to the
  // receiver) gets Excel's busy code.
  int RunImport(int bSelectedRange) override;

  // What the passes and readers of an import get of this object: its step mark, log, Excel,
  // link and active-cell keeper, as they are now.
  ImportSession Session();
  // Stores the step mark and writes its checkpoint line to the import log (the connection's
  // steps are marked too).
  void Mark(int32_t step, std::u16string_view tag) { Session().Mark(step, tag); }

  int32_t m_nStep = 0;
  CLogFile m_log;
  ObjectPtr m_pExcel;            // Excel's Application; set at connection, null while not connected
  int32_t m_nExcelVersion = 9;   // integer part of Application.Version
  int32_t m_nSupportWMF = 1;     // copy of the SupportWMF option, read at connection
  LinkChannel* m_pLink = nullptr;  // the link dialog; owned by the add-in object
  CActiveCellKeeper m_activeCell;  // the user's active cell while conditions move it

 protected:
  // The steps of one import, run by RunImport when no other import is running.
  virtual int ImportSteps(int bSelectedRange);

 private:
  bool m_bRunning = false;
};

}  // namespace vk
