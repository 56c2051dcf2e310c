#include "logdata/site_description.h"

#include <cmath>
#include <unordered_map>

#include "core/comma_text.h"
#include "core/files.h"
#include "core/numbers.h"
#include "core/text.h"
#include "logdata/data_file.h"

namespace sm {
namespace {

struct Reader {
  SiteDescription site;
  std::vector<LineProblem>& problems;
  std::unordered_map<std::string, size_t> id_lines;
  size_t line = 0;

  void Problem(std::string what) { problems.push_back({line, std::move(what)}); }

  void Logger(const std::vector<std::string>& items) {
    if (items.size() != 2) return Problem("Logger takes one name (quote a name holding blanks)");
    site.logger_name = items[1];
  }

  void Offset(const std::vector<std::string>& items) {
    double hours;
    if (items.size() != 2 || !TryParseDouble(items[1], hours) || !std::isfinite(hours))
      return Problem("UTCOffset takes one number of hours");
    if (hours <= -24 || hours >= 24) return Problem("UTCOffset must lie between -24 and 24 hours");
    site.utc_offset_hours = hours;
  }

  void Series(const std::vector<std::string>& items) {
    if (items.size() < 4 || items.size() > 5)
      return Problem("Series takes a name, an identifier, an LDT byte and units");
    SeriesDescription s{items[1], items[2], 0, items.size() > 4 ? items[4] : std::string()};
    if (s.name.empty()) return Problem("series without a name");
    if (s.id.empty() || s.id.size() > kMaxSeriesIdBytes)
      return Problem("series identifier must be 1 to 255 characters");
    long long ldt;
    if (!TryParseInt(items[3], ldt) || ldt < 0 || ldt > 255)
      return Problem("LDT byte \"" + items[3] + "\" is not a number from 0 to 255");
    s.ldt = static_cast<int>(ldt);
    auto [it, added] = id_lines.emplace(s.id, line);
    if (!added) return Problem("identifier \"" + s.id + "\" already used on line " + std::to_string(it->second));
    site.series.push_back(std::move(s));
  }
};

}  // namespace

SiteDescription ParseSiteDescription(std::string_view text, std::vector<LineProblem>& problems) {
  Reader r{{}, problems, {}, 0};
  for (const std::string& raw : SplitLines(text)) {
    ++r.line;
    std::string line = Trim(raw);
    if (line.empty() || line[0] == ';' || line[0] == '#') continue;
    std::vector<std::string> items = SplitCommaText(line);
    const std::string keyword = items.empty() ? std::string() : items[0];
    if (IEquals(keyword, "Series")) r.Series(items);
    else if (IEquals(keyword, "Logger")) r.Logger(items);
    else if (IEquals(keyword, "UTCOffset")) r.Offset(items);
    else r.Problem("unknown entry \"" + keyword + "\"");
  }
  return std::move(r.site);
}

std::string FormatOffsetHours(double hours) { return FormatGeneral(hours); }

std::string FormatSeriesLine(const SeriesDescription& s) {
  char ldt[8];
  std::snprintf(ldt, sizeof ldt, "0x%02X", s.ldt & 0xFF);
  return JoinCommaText({"Series", s.name, s.id, ldt, s.units});
}

std::string FormatSiteDescription(const SiteDescription& site) {
  std::string out =
      "; Stallminder site description\r\n"
      "; Series: name, identifier, LDT byte (kind), units\r\n";
  out += JoinCommaText({"Logger", site.logger_name}) + "\r\n";
  out += "UTCOffset," + FormatOffsetHours(site.utc_offset_hours) + "\r\n";
  for (const SeriesDescription& s : site.series) out += FormatSeriesLine(s) + "\r\n";
  return out;
}

}  // namespace sm
