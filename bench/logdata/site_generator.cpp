#include "site_generator.h"

#include <algorithm>
#include <cmath>
#include <random>

#include "core/datetime.h"
#include "core/files.h"
#include "core/text.h"
#include "logdata/data_writer.h"
#include "logdata/site_description.h"

namespace sm::bench {
namespace {

enum class Shape { Temperature, Humidity, Fan, Counter, State };

Shape ShapeOf(int s) {
  static constexpr Shape kCycle[] = {Shape::Temperature, Shape::Temperature, Shape::Humidity, Shape::Fan,
                                     Shape::Counter, Shape::State, Shape::Temperature, Shape::Fan};
  return kCycle[s % 8];
}

SeriesDescription Describe(int s) {
  std::string n = std::to_string(s + 1);
  switch (ShapeOf(s)) {
    case Shape::Temperature: return {"Temp " + n, "T" + n, 0x30, "C"};
    case Shape::Humidity: return {"Humidity " + n, "H" + n, 0x30, "%"};
    case Shape::Fan: return {"Fan " + n, "F" + n, 0x21, "%"};
    case Shape::Counter: return {"Water " + n, "W" + n, 0x11, "l"};
    case Shape::State: return {"Heater " + n, "S" + n, 0x00, ""};
  }
  return {};
}

}  // namespace

void GenerateSite(const GeneratedSite& g) {
  const std::string folder = WithTrailingSlash(g.folder);
  CreateDirectories(folder);
  SiteDescription site{g.proc_id, 1, {}};
  for (int s = 0; s < g.series; ++s) site.series.push_back(Describe(s));
  WriteFileAtomically(folder + g.proc_id + ".ste", FormatSiteDescription(site));
  WriteFileAtomically(folder + "site.ini", "[Site]\r\nProcID=" + g.proc_id + "\r\n");

  std::mt19937 random(12345);
  std::normal_distribution<double> noise(0, 0.15);
  std::uniform_int_distribution<int> outage_day(0, 9);
  std::vector<double> counter(static_cast<size_t>(g.series), 0);
  const int64_t first_day = static_cast<int64_t>(EncodeDate(g.first_year, 1, 1)) - 25569;
  const int per_day = 86400 / g.step_seconds;
  for (int day = 0; day < g.days; ++day) {
    DataRecords records;
    // Now and then the logger is off for three hours.
    const int outage_start = outage_day(random) == 0 ? per_day / 2 : per_day;
    for (int k = 0; k < per_day; ++k)
      if (k < outage_start || k >= outage_start + 3 * 3600 / g.step_seconds)
        records.times.push_back((first_day + day) * 86400 + int64_t{k} * g.step_seconds);
    for (int s = 0; s < g.series; ++s) {
      DataColumn c{site.series[s].id, {}, {}};
      for (int64_t t : records.times) {
        const double hour = static_cast<double>(t % 86400) / 3600;
        const double season = std::sin((day + s) * 2 * M_PI / 365);
        double v = 0;
        switch (ShapeOf(s)) {
          case Shape::Temperature:
            v = std::round((20 + 3 * season + 2 * std::sin(hour * M_PI / 12) + noise(random)) * 10) / 10;
            break;
          case Shape::Humidity: v = std::round(65 + 10 * season + 5 * noise(random)); break;
          case Shape::Fan:
            v = std::clamp(std::round(40 + 30 * std::sin(hour * M_PI / 12) + 10 * noise(random)), 0.0, 100.0);
            break;
          case Shape::Counter:
            counter[s] = std::fmod(counter[s] + std::round(std::abs(noise(random)) * 40), 65536);
            v = counter[s];
            break;
          case Shape::State: v = hour < 6 ? 1 : 0; break;
        }
        c.values.push_back(v);
        c.present.push_back(1);
      }
      records.columns.push_back(std::move(c));
    }
    if (!records.times.empty()) WriteDay(folder, g.proc_id, records);
  }
}

std::string EnsureSite(const GeneratedSite& site) {
  if (!FileExists(WithTrailingSlash(site.folder) + "site.ini")) GenerateSite(site);
  return WithTrailingSlash(site.folder);
}

}  // namespace sm::bench
