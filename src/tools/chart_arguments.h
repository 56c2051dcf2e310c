// Opening a chart view for a command: --end and --days as the stored view,
// then the view named by --chart.
#pragma once

#include <memory>
#include <string>

#include "charts/graph_object.h"
#include "tools/arguments.h"

namespace sm::tool {

// --end (yyyy-mm-dd) and --days (1 or more) into the stored view status.
void ApplyViewArguments(const Arguments& a, TStoredStatus& status);

// The view named by --chart (required), built as the window builds it.
std::unique_ptr<TGraphObject> OpenChartArgument(const Arguments& a, TAirspace& airspace);

}  // namespace sm::tool
