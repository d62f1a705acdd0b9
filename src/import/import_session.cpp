#include "import/import_session.h"

#include "excel/application.h"
#include "link/link_channel.h"

namespace vk {

ImportSession::ImportSession(int32_t& step, CLogFile& log, ObjectPtr excel, int32_t excelVersion, bool supportsWmf,
                             LinkChannel* link, CActiveCellKeeper& activeCell)
    : step_(step), log_(log), excel_(std::move(excel)), excelVersion_(excelVersion), supportsWmf_(supportsWmf),
      link_(link), activeCell_(activeCell) {}

excel::Application ImportSession::App() const { return excel::Application(excel_); }

void ImportSession::Mark(int32_t step, std::u16string_view tag) const {
  step_ = step;
  log_.WriteLine(tag, step);
}

void ImportSession::StartTable(int rows, int columns) const {
  if (link_ != nullptr) link_->StartTable(rows, columns);
}

void ImportSession::SendRecord(const void* record, int size) const {
  if (link_ != nullptr) link_->SendRecord(record, size);
}

void ImportSession::EndLink(int reason) const {
  if (link_ != nullptr) link_->EndLink(reason);
}

}  // namespace vk
