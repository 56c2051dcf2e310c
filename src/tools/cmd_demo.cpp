// smtool demo: writes the demonstration site into a Main Logging Directory.
#include <charconv>
#include <cstdio>
#include <stdexcept>

#include "core/formats.h"
#include "core/numbers.h"
#include "demo/demo_site.h"
#include "demo/site_files.h"
#include "tools/arguments.h"
#include "tools/command.h"
#include "tools/tool_context.h"

namespace sm::tool {
namespace {

template <typename T>
T WholeOption(const std::string& text, const char* option) {
  T value{};
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size())
    throw std::runtime_error(std::string("--") + option + ": \"" + text + "\" is not a whole number");
  return value;
}

int Run(const std::vector<std::string>& args) {
  Arguments a(args, {"days", "end", "seed", "site"}, {"force"});
  a.RequirePositional(1, 1);
  demo::DemoOptions o;
  o.main_dir = a.Positional()[0];
  if (auto days = a.Value("days")) o.days = WholeOption<int>(*days, "days");
  if (auto seed = a.Value("seed")) o.seed = WholeOption<uint64_t>(*seed, "seed");
  if (auto site = a.Value("site")) o.site_name = *site;
  o.force = a.Flag("force");
  if (auto end = a.Value("end")) {
    auto date = TryStrToDate(*end, FixedFormats());
    if (!date) throw std::runtime_error("--end: \"" + *end + "\" is not a date (yyyy-mm-dd)");
    o.end_day = static_cast<int64_t>(*date);
  } else {
    ToolContext tool;
    o.end_day = static_cast<int64_t>(tool.ctx().Today()) - 1;
  }

  const demo::DemoResult r = demo::GenerateDemoSite(o);
  std::string out = o.site_name + ": " + std::to_string(o.days) + " days, " + demo::IsoDate(r.first_day) + " to " +
                    demo::IsoDate(r.end_day) + ", in " + r.site_folder + "\n";
  out += "  " + std::to_string(r.airspaces) + " airspaces, " + std::to_string(r.series) + " series, " +
         std::to_string(r.data_files) + " data files (" + FormatSignificant5(r.data_bytes / 1e6, 1) + " MB)\n";
  out += "  ";
  for (const std::string& b : r.batch_files) out += "batches/" + b + ", ";
  out += "mdldata/" + r.model_file + ", smcdata/" + demo::kFanTableName + "\n";
  out += "  template: " + r.template_path;
  if (r.template_in_site) out += " (the Main Logging Directory's smt.dat differs and was left as it is)";
  out += "\n";
  std::fwrite(out.data(), 1, out.size(), stdout);
  return 0;
}

}  // namespace

Command DemoCommand() {
  return {"demo", "write the demonstration site",
          "MAINDIR [--days N] [--end DATE] [--seed S] [--site NAME] [--force]",
          "Writes MAINDIR/smt.dat (the template) and the site folder MAINDIR/NAME (default Demo1,\n"
          "ProcID 1dmo): site.ini, 1dmo.ste, 5-minute data files, smuser.ini, smcdata/fans.smc,\n"
          "mdldata/Target.mdl and two stored batches. N days (default 120) end on DATE (default\n"
          "yesterday); the same options give the same files. A folder holding a site.ini is\n"
          "replaced only with --force. A different smt.dat already in MAINDIR is left alone and the\n"
          "template goes into the site folder instead.",
          Run};
}

}  // namespace sm::tool
