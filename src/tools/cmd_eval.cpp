// smtool eval: evaluates one expression over a site's data, by rows as a
// chart does or by days as the report does.
#include <cstdio>
#include <stdexcept>

#include "airspace/expr_scope.h"
#include "core/comma_text.h"
#include "core/numbers.h"
#include "core/text.h"
#include "logdata/range_load_state.h"
#include "site/site.h"
#include "tools/airspace_arguments.h"
#include "tools/arguments.h"
#include "tools/command.h"
#include "tools/tool_context.h"

namespace sm::tool {
namespace {

// The [Airspaces] entry whose name or code matches, as (name, code).
std::pair<std::string, std::string> FindAirspace(const TSite& site, const std::string& wanted) {
  for (const auto& [key, entry] : site.site_ini.Values("Airspaces")) {
    std::string name = Trim(RemoveBracketed(entry, false));
    std::string code = BracketContent(entry, false);
    if (IEquals(name, wanted) || (!code.empty() && IEquals(code, wanted))) return {name, code};
  }
  throw std::runtime_error("no airspace \"" + wanted + "\" in site.ini");
}

std::string ValueText(float value) { return FormatGeneral(value, '.', 9); }

int Run(const std::vector<std::string>& args) {
  Arguments a(args, {"expr", "from", "to", "airspace", "mode", "day-start"});
  a.RequirePositional(1, 1);
  const std::string text = a.Required("expr");
  TDateTime from = static_cast<TDateTime>(RequireDay(a.Value("from"), "from"));
  TDateTime to = static_cast<TDateTime>(RequireDay(a.Value("to"), "to"));
  std::string mode = a.Value("mode").value_or("rows");
  if (mode != "rows" && mode != "days") throw UsageError("--mode is rows or days");
  double day_start = 0;
  if (auto ds = a.Value("day-start")) {
    auto t = TryStrToTime(*ds, FixedFormats());
    if (!t) throw std::runtime_error("--day-start: \"" + *ds + "\" is not a time (hh:mm)");
    day_start = *t;
  }

  ToolContext tool;
  AppContext& ctx = tool.ctx();
  std::unique_ptr<TSite> site = TSite::Create(ctx, a.Positional()[0]);
  // Without an airspace, constants come from a section no airspace has.
  std::pair<std::string, std::string> airspace{"\x01no airspace", ""};
  if (auto wanted = a.Value("airspace")) airspace = FindAirspace(*site, *wanted);
  ExprScope scope(*site, airspace.first, airspace.second);
  std::unique_ptr<TExpr> tree = scope.Build(text);
  if (!tree) throw std::runtime_error("expression does not parse: " + text);

  scope.Load(from, to, day_start, 900, [&] { tree->Prepare(); }, airspace.first);
  const RangeLoadState& state = RangeLoad(ctx);
  std::string out;
  if (mode == "rows") {
    out = "time,value,valid\n";
    for (int r = 0; r < state.RowsWithData; ++r) {
      bool valid = true;
      float v = r == 0 ? tree->EvalFirst(valid) : tree->EvalAt(r, valid);
      out += FormatDateTime("yyyy-mm-dd hh:nn", state.RowTimes[static_cast<size_t>(r)], FixedFormats()) + "," +
             ValueText(v) + "," + (valid ? "1" : "0") + "\n";
    }
  } else {
    out = "date,value,valid\n";
    scope.EvaluateDays({tree.get()}, [&](size_t, int day, float v, bool valid) {
      out += FormatDateTime("yyyy-mm-dd", from + day, FixedFormats()) + "," + ValueText(v) + "," +
             (valid ? "1" : "0") + "\n";
    });
  }
  std::fwrite(out.data(), 1, out.size(), stdout);
  return 0;
}

}  // namespace

Command EvalCommand() {
  return {"eval", "evaluate an expression over a site's data",
          "SITEDIR --expr TEXT --from DATE --to DATE [--airspace NAME] [--mode rows|days] [--day-start HH:MM]",
          "Loads DATE(from) + day start up to DATE(to) + day start (exclusive) at 900-second rows.\n"
          "--mode rows: time,value,valid per row with data (EvalFirst for the first row, EvalAt after).\n"
          "--mode days: date,value,valid per day, each day evaluated alone as the report does.\n"
          "--airspace takes the \"#\" code and the site constants of that [Airspaces] entry.",
          Run};
}

}  // namespace sm::tool
