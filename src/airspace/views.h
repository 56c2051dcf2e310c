// The report's rows: views over the live data and stored batches.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "core/datetime.h"

namespace sm {

class TAirspace;

class TView {
 public:
  std::string caption;  // "1", "7", "14", "30" or "Current " + batch type
  int kind = 0;         // 0 day view, 1 current-batch view
  TDateTime start = 0, end = 0;
  std::vector<std::string> value_texts;               // one per report item
  std::array<std::vector<std::string>, 3> model_texts;  // low, value, high per item
  bool has_model_texts = false;
};

class TBatch {
 public:
  TDateTime start = 0, end = 0;  // first and last day, midnight
  std::vector<std::string> texts;  // [0] start date; [i] mean of item i-1 with units
  std::string file;
};

// The day views (1, 7, 14, 30 days back from the live end, none reaching
// before the live batch start) and, when the data reaches back to it, the
// current-batch view.
void BuildViews(TAirspace& airspace);

// The airspace's batch files ("<code>*.bch" in the batches folder), each
// re-averaged per report column. Files that cannot be read are reported and
// left out.
std::vector<std::unique_ptr<TBatch>> LoadBatches(TAirspace& airspace);

// The number of whole days a view or batch spans, for the stored view.
int SpanDays(TDateTime start, TDateTime end);

}  // namespace sm
