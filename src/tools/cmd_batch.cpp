// smtool batch: the batch commands of the report.
#include <cstdio>
#include <stdexcept>

#include "airspace/batches.h"
#include "airspace/report.h"
#include "tools/airspace_arguments.h"
#include "tools/arguments.h"
#include "tools/command.h"
#include "tools/tool_context.h"

namespace sm::tool {
namespace {

size_t BatchStartingOn(const TAirspace& airspace, long long day) {
  for (size_t i = 0; i < airspace.batches.size(); ++i)
    if (Truncate(airspace.batches[i]->start) == day) return i;
  throw std::runtime_error("no stored batch starts on that day");
}

int Run(const std::vector<std::string>& args) {
  Arguments a(args, {"airspace", "start", "end"});
  a.RequirePositional(2, 2);
  const std::string& action = a.Positional()[1];
  if (action != "define" && action != "update" && action != "delete" && action != "list")
    throw UsageError("the action is define, update, delete or list");
  ToolContext tool;
  std::unique_ptr<TSite> site = TSite::Create(tool.ctx(), a.Positional()[0]);
  CreateAirspaces(*site);
  TAirspace& airspace = PickAirspace(*site, a.Value("airspace"));
  airspace.batches = LoadBatches(airspace);
  if (action == "list") {
    std::printf("start,end,file\n");
    for (const auto& b : airspace.batches)
      std::printf("%s,%s,%s\n", FormatDateTime("yyyy-mm-dd", b->start, FixedFormats()).c_str(),
                  FormatDateTime("yyyy-mm-dd", b->end, FixedFormats()).c_str(), b->file.c_str());
    return 0;
  }
  long long start = RequireDay(a.Value("start"), "start");
  bool done = false;
  if (action == "define") {
    done = DefineBatch(airspace, start, RequireDay(a.Value("end"), "end"));
  } else if (action == "update") {
    const TBatch& batch = *airspace.batches[BatchStartingOn(airspace, start)];
    done = DefineBatch(airspace, Truncate(batch.start), Truncate(batch.end));
  } else {
    done = DeleteBatch(airspace, BatchStartingOn(airspace, start), false);
  }
  return done ? 0 : 1;
}

}  // namespace

Command BatchCommand() {
  return {"batch", "define, update, delete or list an airspace's stored batches",
          "SITEDIR [--airspace NAME] define --start DATE --end DATE | update --start DATE | delete --start DATE | list",
          "Dates are yyyy-mm-dd whole days. define computes the batch from the logged data and writes\n"
          "<code><day>.bch in the batches folder; update recomputes the stored batch that starts on\n"
          "--start; delete removes it without asking; list prints start,end,file.",
          Run};
}

}  // namespace sm::tool
