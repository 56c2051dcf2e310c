// smtool model: import model data into the report, or save a batch as one.
#include <cstdio>
#include <stdexcept>

#include "airspace/model.h"
#include "airspace/report.h"
#include "core/files.h"
#include "tools/airspace_arguments.h"
#include "tools/arguments.h"
#include "tools/command.h"
#include "tools/tool_context.h"

namespace sm::tool {
namespace {

const char* ColourName(CellColour c) {
  if (c == kRed) return "red";
  if (c == kAboveModel) return "green";
  return "black";
}

std::string ReportWithModel(TAirspace& airspace) {
  std::string out = SaveDataLines(airspace, false).front() + "\r\n";
  for (const auto& view : airspace.views) {
    out += view->caption;
    for (size_t i = 0; i < view->value_texts.size(); ++i) {
      auto model = [&](int j) { return i < view->model_texts[j].size() ? view->model_texts[j][i] : std::string(); };
      CellColour colour = ViewCellColour(view->value_texts[i], model(0), model(1), model(2), true);
      out += "," + view->value_texts[i] + "|" + model(0) + "|" + model(1) + "|" + model(2) + "|" + ColourName(colour);
    }
    out += "\r\n";
  }
  return out;
}

int Run(const std::vector<std::string>& args) {
  Arguments a(args, {"airspace", "start"});
  a.RequirePositional(3, 3);
  const std::string& action = a.Positional()[1];
  const std::string& file = a.Positional()[2];
  if (action != "import" && action != "save") throw UsageError("the action is import or save");
  ToolContext tool;
  std::unique_ptr<TSite> site = TSite::Create(tool.ctx(), a.Positional()[0]);
  CreateAirspaces(*site);
  TAirspace& airspace = PickAirspace(*site, a.Value("airspace"));
  ComputeReport(airspace);
  if (action == "import") {
    std::string name = FileNameOf(file);
    if (!FileExists(site->model_folder + name)) {
      if (!FileExists(file)) throw std::runtime_error("no model file " + file);
      CopyFileReplacing(file, site->model_folder + name);  // model files live in the model folder
    }
    ImportModel(airspace, name);
    std::string out = ReportWithModel(airspace);
    std::fwrite(out.data(), 1, out.size(), stdout);
    return 0;
  }
  long long start = RequireDay(a.Value("start"), "start");
  for (const auto& batch : airspace.batches)
    if (Truncate(batch->start) == start) return SaveAsModel(airspace, *batch, file) ? 0 : 1;
  throw std::runtime_error("no stored batch starts on that day");
}

}  // namespace

Command ModelCommand() {
  return {"model", "import model data into an airspace's report, or save a batch as a model",
          "SITEDIR [--airspace NAME] import FILE.mdl | SITEDIR [--airspace NAME] save --start DATE FILE.mdl",
          "import: reads the model file (copied into the site's mdldata folder when it is elsewhere) and\n"
          "prints the report header and one line per view whose cells are value|low|model|high|colour,\n"
          "colour being black, red (below the model band) or green (above it).\n"
          "save: writes the stored batch starting on --start as a model file.",
          Run};
}

}  // namespace sm::tool
