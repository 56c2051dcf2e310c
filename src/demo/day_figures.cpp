#include "demo/day_figures.h"

#include <algorithm>
#include <cmath>

namespace sm::demo {
namespace {

// Meter readings to the quantity used since the last one, over the wrap.
double Used(double now, double before, double range) {
  double d = now - before;
  while (d < 0) d += range;
  return d;
}

}  // namespace

void DayFigureBuilder::AddRow(bool logged, const HouseReading& reading, bool outside_logged, double outside) {
  const HouseReading before = held_;
  if (logged) held_ = reading;
  const HouseReading& r = held_;
  if (have_previous_) {
    day_.water += Used(r.water_meter, before.water_meter, kWaterMeterRange);
    day_.feed += Used(r.feed_meter, before.feed_meter, kFeedMeterRange) / 1000;
    const double fall = before.pigs - r.pigs;
    if (rows_ > 0 && std::fabs(fall) <= 5) day_.deaths += fall;  // larger steps are lorries
  }
  have_previous_ = true;

  day_.pigs = rows_ == 0 ? r.pigs : std::max<double>(day_.pigs, r.pigs);
  day_.heater_hours += r.heater * 900 / 100 / 3600;
  if (logged) {
    if (temperature_.count == 0 || r.temperature < day_.temperature_low) day_.temperature_low = r.temperature;
    if (temperature_.count == 0 || r.temperature > day_.temperature_high) day_.temperature_high = r.temperature;
    temperature_.Add(r.temperature);
    square_.Add(r.temperature * r.temperature);
    target_.Add(r.target);
    humidity_.Add(r.humidity);
    ventilation_.Add(r.ventilation);
    fan_air_.Add(plan_.fan_stage_air[static_cast<size_t>(std::clamp(r.fan_stage, 0, 6))]);
    if (outside_logged) outside_.Add(outside);
  }
  ++rows_;
}

DayFigures DayFigureBuilder::FinishDay() {
  DayFigures d = day_;
  d.temperature = temperature_.Value();
  d.temperature_deviation = std::sqrt(std::max(0.0, square_.Value() - d.temperature * d.temperature));
  d.target = target_.Value();
  d.humidity = humidity_.Value();
  d.outside = outside_.Value();
  d.ventilation = ventilation_.Value();
  d.fan_air = fan_air_.Value();
  d.floor_area = plan_.floor_area;
  day_ = {};
  rows_ = 0;
  temperature_ = square_ = target_ = humidity_ = outside_ = ventilation_ = fan_air_ = {};
  return d;
}

}  // namespace sm::demo
