// The report table: daily values of every column, view means, and the grid
// the window draws.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "airspace/airspace.h"

namespace sm {

enum class DayMode { View, Batch };

// Evaluates every report column once per day of the loaded range into its
// view day values (and validity) or its batch day values.
void ComputeDays(TAirspace& airspace, DayMode mode);

// Loads the live batch once and gives every view without value texts its
// means; the pigs rule turns water and feed means into "N/A" over days
// without pigs.
void ComputeViews(TAirspace& airspace);

// What showing the report computes: the views when not computed yet, then
// the stored batches, latest first.
void ComputeReport(TAirspace& airspace);

// The grid's contents: row 0 headers, rows 1-5 views, rows 6 on batches;
// column 0 captions, then one column per report item, then a filler.
struct ReportGrid {
  std::vector<std::string> row_captions;  // [0] empty
  std::vector<std::string> headers;       // [0] and the filler empty
  bool show_batches = false;
  int RowCount() const { return static_cast<int>(row_captions.size()); }
  int ColumnCount() const { return static_cast<int>(headers.size()); }
};

// Fills the grid model; `show_batches` is the window's pressed state, turned
// on when site.ini asks for batch rows and there are batches.
ReportGrid FillGrid(TAirspace& airspace, bool show_batches);

// The text of a body cell: value text and units for a view, the batch's text.
std::string CellText(const TAirspace& airspace, int row, int column);

// Column 0 twice the default width, the others the default, then the widths
// stored in smuser.ini GridCols for columns that exist.
std::vector<int> ColumnWidths(TAirspace& airspace, int column_count, int default_width);

struct CellColour {
  uint8_t r = 0, g = 0, b = 0;
  bool operator==(const CellColour&) const = default;
};
inline constexpr CellColour kBlack{0, 0, 0};
inline constexpr CellColour kRed{255, 0, 0};
inline constexpr CellColour kAboveModel{153, 221, 0};

// Black, red below the model band or RGB(153, 221, 0) above it; the band is
// model +-10 % where low or high is not given.
CellColour ViewCellColour(const std::string& value_text, const std::string& model_low, const std::string& model_value,
                          const std::string& model_high, bool show_model);

// The Save Data lines: header row without quotes, one line per view, then
// one per batch when `with_batches`.
std::vector<std::string> SaveDataLines(TAirspace& airspace, bool with_batches);

}  // namespace sm
