// The series the demonstration logger records: ten per airspace (named by
// the airspace code followed by a suffix, so "#TEMP" finds them) and four
// from the weather station. Each carries its LDT byte, which gives its kind:
// the feed meter is analog ("A"), the water meter a pulse counter ("N").
#pragma once

#include <string>
#include <vector>

#include "demo/house.h"
#include "demo/weather.h"
#include "logdata/site_description.h"

namespace sm::demo {

struct AirspaceChannel {
  const char* suffix;
  int ldt;
  const char* units;
  double (*value)(const HouseReading&);
  bool second_probe_only = false;
};

struct WeatherChannel {
  const char* name;
  int ldt;
  const char* units;
  double (*value)(const WeatherReading&);
};

const std::vector<AirspaceChannel>& AirspaceChannels();
const std::vector<WeatherChannel>& WeatherChannels();

// Whether the airspace logs this channel.
bool Logs(const AirspacePlan& plan, const AirspaceChannel& channel);

// The site description: every airspace's channels in order, then the
// weather station's.
SiteDescription DemoSiteDescription(const std::string& logger_name, const std::vector<AirspacePlan>& plans);

}  // namespace sm::demo
