#pragma once
#include <cstdint>
#include <string_view>

#include "automation/variant.h"
#include "log/log_file.h"

namespace vk {

class CActiveCellKeeper;
namespace excel {
class Application;
}
class LinkChannel;

// Where a run is: the cell of the table pass and the shape of the shapes pass. The run owns
// one; the passes move it on and the report of a failure names it.
struct ImportPosition {
  int32_t row = 0;          // 1-based; rowCount + 1 after a complete pass
  int32_t column = 0;       // 1-based; columnCount + 1 after a complete pass
  int32_t shapeIndex = -1;  // -1 before the first shape
};

// What a pass or a reader needs of the import it is part of: the step mark and the log that
// tell how far the import got, Excel's application and version, the link to the receiver and
// the keeper of the user's active cell. The driver makes one for each run; it refers to the
// driver's own state, so a mark set here is the driver's step when the run ends.
class ImportSession {
 public:
  ImportSession(int32_t& step, CLogFile& log, ObjectPtr excel, int32_t excelVersion, bool supportsWmf,
                LinkChannel* link, CActiveCellKeeper& activeCell);

  // Stores the step mark and writes its checkpoint line to the import log.
  void Mark(int32_t step, std::u16string_view tag) const;
  int32_t Step() const { return step_; }
  CLogFile& Log() const { return log_; }

  // Typed anew at each call: the session keeps only the object, so that Windows code including
  // the driver does not take in the wrappers (whose member names clash with its macros).
  excel::Application App() const;
  int32_t ExcelVersion() const { return excelVersion_; }
  // The CAD side takes metafile pictures (the SupportWMF option read at connection).
  bool SupportsWmf() const { return supportsWmf_; }

  // Without a receiver nothing is sent and the import goes on reading.
  void StartTable(int rows, int columns) const;
  void SendRecord(const void* record, int size) const;
  void EndLink(int reason) const;

  CActiveCellKeeper& ActiveCell() const { return activeCell_; }

 private:
  int32_t& step_;
  CLogFile& log_;
  ObjectPtr excel_;
  int32_t excelVersion_;
  bool supportsWmf_;
  LinkChannel* link_;
  CActiveCellKeeper& activeCell_;
};

}  // namespace vk
