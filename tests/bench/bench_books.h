#pragma once
// The workbooks the import benchmarks and the call breakdown import: 200 x 50 tables of plain,
// rich-text and conditionally formatted cells, a checkerboard of formats varying cell by cell,
// and a sheet of 500 shapes.
#include <string>

namespace vk::bench {

inline constexpr int kRows = 200;
inline constexpr int kColumns = 50;
inline constexpr int kCells = kRows * kColumns;
inline constexpr int kShapes = 500;

// kRows x kColumns cells from A1 (numbers counting up, or the cell given), and the sheet keys
// given.
inline std::string Table(const std::string& sheetKeys, const std::string& cell = "") {
  std::string rows;
  for (int r = 0; r < kRows; ++r) {
    rows += r ? ",[" : "[";
    for (int c = 0; c < kColumns; ++c) rows += (c ? "," : "") + (cell.empty() ? std::to_string(r * kColumns + c) : cell);
    rows += "]";
  }
  return R"({"sheets": [{"name": "Bench", "blocks": [{"at": "A1", "rows": [)" + rows + "]}]" + sheetKeys + "}]}";
}

// The same table without rules: what the conditions add shows against it.
inline std::string PlainTable() { return Table(""); }

// Every cell rich text: two runs of different fonts.
inline std::string RichTextTable() {
  return Table("", R"({"rich":[{"text":"Flow "},{"text":"m3/h","bold":true,"size":9}]})");
}

// Every cell under two rules: a cell-value rule and an expression with a relative reference.
inline std::string TwoConditionsTable() {
  return Table(R"(, "conditionalFormats": [
      {"appliesTo": "A1:AX200", "type": "cellValue", "operator": "greater", "formula1": "=5000",
       "fill": {"color": "#FFC7CE"}},
      {"appliesTo": "A1:AX200", "type": "expression", "formula1": "=MOD(A1,2)=0", "font": {"bold": true}}])");
}

// Formats that vary cell by cell, a checkerboard: every other cell bold over a fill with a top
// and a left border, the others plain, so that no row, column or area shares one answer.
inline std::string CheckerboardTable() {
  std::string rows;
  for (int r = 0; r < kRows; ++r) {
    rows += r ? ",[" : "[";
    for (int c = 0; c < kColumns; ++c) {
      const std::string value = std::to_string(r * kColumns + c);
      rows += c ? "," : "";
      rows += (r + c) % 2 ? value
                          : R"({"value":)" + value + R"(,"font":{"bold":true},"fill":{"color":"#FFCC00"},)" +
                                R"("borders":{"top":{"lineStyle":1},"left":{"lineStyle":1,"weight":-4138}}})";
    }
    rows += "]";
  }
  return R"({"sheets": [{"name": "Bench", "blocks": [{"at": "A1", "rows": [)" + rows + "]}]}]}";
}

// 500 shapes on a sheet of one cell: rectangles with a line of text, ovals, lines with
// arrowheads, elbow connectors and block arrows, in turn.
inline std::string ShapesSheet() {
  const char* kinds[] = {
      R"("type":1,"autoShapeType":1,"text":"Pump P-201")",
      R"("type":1,"autoShapeType":9)",
      R"("type":9,"line":{"begin":{"style":2},"end":{"style":3}})",
      R"("type":1,"connector":true,"connectorType":2,"adjustments":[0.5])",
      R"("type":1,"autoShapeType":33,"adjustments":[0.5,0.35])",
  };
  std::string shapes;
  for (int i = 0; i < kShapes; ++i) {
    shapes += (i ? ",{" : "{") + std::string(kinds[i % 5]) + R"(,"left":)" + std::to_string(10 * (i % 40)) +
              R"(,"top":)" + std::to_string(12 * (i / 40)) + R"(,"width":8,"height":10})";
  }
  return R"({"sheets": [{"name": "Bench", "cells": {"A1": 1}, "shapes": [)" + shapes + "]}]}";
}

}  // namespace vk::bench
