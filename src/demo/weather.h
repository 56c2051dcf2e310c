// The weather outside the demonstration farm: temperature with a seasonal
// and a daily swing and fronts passing over a few days, humidity that rises
// at night, and a wind that veers around a prevailing south-west.
#pragma once

#include <cstdint>

#include "demo/demo_random.h"

namespace sm::demo {

struct WeatherReading {
  double temperature = 0;  // °C
  double humidity = 0;     // % relative
  double wind_speed = 0;   // m/s
  double wind_direction = 0;  // degrees the wind comes from, 0 = north
  double sunshine = 0;     // 0..1, how much the sun heats the roofs
};

class Weather {
 public:
  explicit Weather(DemoRandom random);

  // Moves on to `unix_seconds` (steps of a few minutes) and answers the
  // weather then.
  const WeatherReading& Step(int64_t unix_seconds, double step_seconds);
  const WeatherReading& Now() const { return now_; }

 private:
  DemoRandom random_;
  double front_ = 0;     // °C away from the season, drifting over days
  double damp_ = 0;      // % humidity away from the usual
  double gust_ = 0;      // m/s away from the mean wind
  double direction_ = 240;
  WeatherReading now_;
};

// Mean outside temperature of the day of the year (0 = 1 January).
double SeasonalTemperature(double day_of_year);
// Day of the year (from 0) of a day number.
double DayOfYear(double day_number);
// Water a cubic metre of saturated air holds at that temperature (g/m³).
double SaturatedVapour(double celsius);

}  // namespace sm::demo
