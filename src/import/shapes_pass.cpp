#include "import/shapes_pass.h"

#include <memory>

#include "automation/com_error.h"
#include "excel/application.h"
#include "excel/worksheet.h"
#include "import/import_session.h"
#include "import/shape_reader.h"
#include "import/uti_func.h"
#include "ui/debug_output.h"
#include "ui/progress_window.h"
#include "text/text_format.h"
#include "ui/user_messages.h"

namespace vk {
namespace {

constexpr char16_t kTag[] = u"shapes_pass.cpp";
constexpr int32_t kProgressFromShapes = 100;  // fewer shapes are read too quickly to show
constexpr int32_t kFirstZoomedVersion = 12;
constexpr double kNormalZoom = 100;

// Shapes are read, and pictures copied, at 100 %: the window's zoom is put back afterwards, and
// also when a failure leaves the pass for the driver (the user's window is not left changed).
class ZoomAtHundred {
 public:
  explicit ZoomAtHundred(const ImportSession& session) : session_(session) {}
  ZoomAtHundred(const ZoomAtHundred&) = delete;
  ZoomAtHundred& operator=(const ZoomAtHundred&) = delete;
  ~ZoomAtHundred() {
    if (pending_) PutBackQuietly();
  }

  void Set() {
    if (session_.ExcelVersion() < kFirstZoomedVersion) return;
    // A window whose zoom cannot be read or set is read as it is.
    try {
      const excel::Application app = session_.App();
      session_.Mark(1122, kTag);
      const excel::Window window = app.ActiveWindow();
      session_.Mark(1124, kTag);
      saved_ = window.Zoom();
      session_.Mark(1126, kTag);
      if (!CUtiFunc::DoubleEqual(saved_, kNormalZoom)) {
        session_.Mark(1129, kTag);
        window.SetZoom(Variant::I4(static_cast<int32_t>(kNormalZoom)));
      }
    } catch (...) {
    }
  }

  // Errors here reach the caller.
  void PutBack() { PutBack(true); }

  // On the way out of a failure: without step marks, so that the failure is reported at its
  // own step, and without errors, whose report would replace the failure's.
  void PutBackQuietly() noexcept {
    try {
      PutBack(false);
    } catch (...) {
    }
  }

 private:
  void PutBack(bool mark) {
    pending_ = false;
    if (session_.ExcelVersion() < kFirstZoomedVersion) return;
    const excel::Application app = session_.App();
    if (mark) session_.Mark(1264, kTag);
    const excel::Window window = app.ActiveWindow();
    if (mark) session_.Mark(1266, kTag);
    if (!CUtiFunc::DoubleEqual(saved_, kNormalZoom)) {
      if (mark) session_.Mark(1269, kTag);
      window.SetZoom(Variant::R8(saved_));
    }
  }

  const ImportSession& session_;
  double saved_ = kNormalZoom;
  bool pending_ = true;
};

// One shape: its record cleared, its type fields read, then the reader takes over.
void ReadOneShape(ShapeReader& reader, const excel::Shapes& shapes, int32_t i, int32_t n,
                  const ImportSession& session) {
  session.Mark(1174, kTag);
  reader.ClearRecord();  // with the record's size set
  session.Mark(1176, kTag);
  session.Mark(1179, kTag);
  session.Mark(1182, kTag);
  const excel::Shape shape = shapes.Item(i);
  reader.ReadTypeFields(shape, ShapeReader::Owner::Sheet);
  reader.ReadShape(shape, i, n);
}

}  // namespace

void ShapesPass(const ShapesPassContext& context, const AreaGeometry& area) {
  const ImportSession& session = context.session;
  session.Mark(1104, kTag);
  const excel::Shapes shapes = context.worksheet.Shapes();
  session.Mark(1107, kTag);
  const int32_t n = shapes.Count();
  session.Mark(1110, kTag);
  if (n <= 0) {
    session.Mark(1274, kTag);
    return;
  }

  ZoomAtHundred zoom(session);
  zoom.Set();
  session.Mark(1143, kTag);

  std::unique_ptr<ProgressWindow> progress;
  if (n >= kProgressFromShapes) {
    progress = ProgressFactory::Current().Create();
    if (progress) {
      progress->SetText(FormatText(u"Reading %ld shapes.", {int64_t{n}}));
      progress->SetRange(0, n);
      progress->SetPos(0);
      progress->SetStep(1);
    }
  }

  ShapeReader reader(context, area, context.worksheet.Name());
  for (int32_t i = 1; i <= n; ++i) {
    context.position.shapeIndex = i;
    try {
      ReadOneShape(reader, shapes, i, n, session);
    } catch (const ComError& error) {
      const std::u16string text = FormatText(u"Vellumark - AutoShapes Error: %s, %d, %d. Throw COM error ...",
                                             {std::u16string_view(error.ErrorMessage()), int64_t{session.Step()},
                                              int64_t{i}});
      WriteDebugOutput(text);
      reader.DiscardUnsentFile();
      if (error.Error() == kExcelBusy) {
        // Every further call would be refused too: the pass ends, and the driver reports it.
        progress.reset();
        zoom.PutBackQuietly();
        throw static_cast<int32_t>(kExcelBusy);
      }
      if (context.funcState != 2) ShowWarning(text);
    } catch (...) {
      reader.DiscardUnsentFile();
      if (context.funcState != 2) {
        ShowWarning(FormatText(u"Vellumark - Unknown AutoShapes Error: %d, %d.",
                               {int64_t{session.Step()}, int64_t{i}}));
      }
    }
    if (progress) progress->StepIt();
  }
  progress.reset();
  zoom.PutBack();
  session.Mark(1274, kTag);
}

}  // namespace vk
