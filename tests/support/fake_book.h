#pragma once
#include <deque>
#include <string>
#include <vector>

#include "cell_area.h"
#include "fake_format.h"
#include "fake_sheet.h"

namespace vk::fake {

// What the stand-in Excel has open: one workbook, its sheets, defined names and the user's
// selection. Tests build one in code or load it from a fixture file.
class FakeBook {
 public:
  // What Application.Selection is.
  struct Selection {
    enum class Kind { Nothing, Cells, Shape };
    Kind kind = Kind::Cells;
    std::vector<CellArea> areas{CellArea::Cell(1, 1)};  // on the active sheet
    std::u16string shapeName;                           // for Kind::Shape
  };
  // A workbook-level defined name referring to cells of one sheet.
  struct DefinedName {
    std::u16string name;
    std::u16string sheet;
    std::vector<CellArea> areas;
  };

  std::u16string name = u"Book1";
  std::u16string path;  // empty while the workbook has never been saved
  std::u16string version = u"16.0";
  // false: no workbook window is open, so ActiveWorkbook, ActiveSheet and Selection are Nothing.
  bool open = true;
  int activeSheet = 0;  // index into sheets; -1 when no sheet is active
  Selection selection;
  // Application.ActiveCell, on the active sheet; inside the selection when cells are selected.
  int32_t activeRow = 1;
  int32_t activeColumn = 1;
  std::vector<DefinedName> names;
  // The font of the Normal style, which every cell's font starts from (Calibri 11 in a new
  // workbook; real workbooks bring Calibri 12, Arial 10, Verdana 10, …). Shape text does not
  // take it.
  FakeFontFace standardFont = FakeFontFace::Standard();
  // The active window's zoom in percent, and every value put, as put.
  double zoom = 100;
  std::vector<Variant> zoomPuts;

  // A deque keeps every sheet at its address while more are added.
  std::deque<FakeSheet> sheets;

  FakeSheet& AddSheet(std::u16string sheetName);
  FakeSheet* FindSheet(std::u16string_view sheetName);
  FakeSheet* ActiveSheet();
  // "Sheet1!$A$1:$B$2" or "=Sheet1!$A$1"; throws std::invalid_argument for a bad reference or an
  // unknown sheet.
  void AddName(std::u16string definedName, std::u16string_view refersTo);
  // Sets the selection on the active sheet from A1 text, its first cell active; throws
  // std::invalid_argument.
  void Select(std::u16string_view reference);
  // Range.Select and Range.Activate: the cells become the selection with their first cell
  // active; activating inside the selection moves only the active cell (V:excel.range.activate).
  void SelectAreas(std::vector<CellArea> areas);
  void ActivateCell(const std::vector<CellArea>& areas);
  void SelectShape(std::u16string shape);
};

}  // namespace vk::fake
