// Any text given to the site description reader yields series and line
// problems without crashing, and what it read writes and reads back alike.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "logdata/site_description.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  std::vector<sm::LineProblem> problems;
  sm::SiteDescription site = sm::ParseSiteDescription(text, problems);
  for (const auto& p : problems)
    if (p.line == 0 || p.what.empty()) std::abort();
  std::vector<sm::LineProblem> again_problems;
  sm::SiteDescription again = sm::ParseSiteDescription(sm::FormatSiteDescription(site), again_problems);
  if (!again_problems.empty() || again.series.size() != site.series.size()) std::abort();
  for (size_t i = 0; i < site.series.size(); ++i)
    if (again.series[i].name != site.series[i].name || again.series[i].id != site.series[i].id ||
        again.series[i].ldt != site.series[i].ldt)
      std::abort();
  return 0;
}
