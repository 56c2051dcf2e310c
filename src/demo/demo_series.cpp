#include "demo/demo_series.h"

#include <cmath>

namespace sm::demo {
namespace {

double Round1(double v) { return std::round(v * 10) / 10; }

}  // namespace

const std::vector<AirspaceChannel>& AirspaceChannels() {
  static const std::vector<AirspaceChannel> channels = {
      {"TEMP", 0x21, "°C", [](const HouseReading& r) { return r.temperature; }},
      {"TEMPB", 0x21, "°C", [](const HouseReading& r) { return r.probe_b; }, true},
      {"TARGET", 0x12, "°C", [](const HouseReading& r) { return r.target; }},
      {"RH", 0x20, "%", [](const HouseReading& r) { return r.humidity; }},
      {"VENT", 0x10, "%", [](const HouseReading& r) { return r.ventilation; }},
      {"HEAT", 0x10, "%", [](const HouseReading& r) { return r.heater; }},
      {"STAGE", 0x13, "", [](const HouseReading& r) { return static_cast<double>(r.fan_stage); }},
      {"WATER", 0x00, "l", [](const HouseReading& r) { return r.water_meter; }},
      {"FEED", 0x30, "g", [](const HouseReading& r) { return r.feed_meter; }},
      {"PIGS", 0x01, "", [](const HouseReading& r) { return static_cast<double>(r.pigs); }},
  };
  return channels;
}

const std::vector<WeatherChannel>& WeatherChannels() {
  static const std::vector<WeatherChannel> channels = {
      {"OUTTEMP", 0x21, "°C", [](const WeatherReading& w) { return Round1(w.temperature); }},
      {"OUTRH", 0x20, "%", [](const WeatherReading& w) { return std::round(w.humidity); }},
      {"WINDSPD", 0x22, "m/s", [](const WeatherReading& w) { return Round1(w.wind_speed); }},
      {"WINDDIR", 0x22, "°", [](const WeatherReading& w) { return std::fmod(std::floor(w.wind_direction), 360); }},
  };
  return channels;
}

bool Logs(const AirspacePlan& plan, const AirspaceChannel& channel) {
  return plan.second_probe || !channel.second_probe_only;
}

SiteDescription DemoSiteDescription(const std::string& logger_name, const std::vector<AirspacePlan>& plans) {
  SiteDescription site;
  site.logger_name = logger_name;
  site.utc_offset_hours = 0;
  for (const AirspacePlan& plan : plans)
    for (const AirspaceChannel& c : AirspaceChannels())
      if (Logs(plan, c)) {
        const std::string name = plan.code + c.suffix;
        site.series.push_back({name, name, c.ldt, c.units});
      }
  for (const WeatherChannel& c : WeatherChannels()) site.series.push_back({c.name, c.name, c.ldt, c.units});
  return site;
}

}  // namespace sm::demo
