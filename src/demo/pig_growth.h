// What the pigs of an airspace need and give off at a given age in the
// cycle (days since they were placed): the controller's target curve,
// weight, feed and water, heat and moisture. The house model and the model
// file (the targets a batch is compared with) both use these.
#pragma once

namespace sm::demo {

constexpr int kCycleDays = 42;     // placing to clearing
constexpr int kCleanoutDays = 7;   // empty, washed and dried
constexpr int kPeriodDays = kCycleDays + kCleanoutDays;

struct PigGrowth {
  double start_weight = 12;  // kg at placing
  double start_gain = 0.35;  // kg a day at placing
  double end_gain = 0.8;     // kg a day at clearing
  double target_start = 28;  // °C
  double target_end = 22;    // °C, reached after 35 days

  double TargetTemperature(double age) const;
  double Weight(double age) const;
  // Feed (kg) and water (l) a pig takes a day; water rises with the heat.
  double FeedPerDay(double age) const;
  double WaterPerDay(double age, double inside_celsius) const;
  // Sensible heat (W) one pig gives off, and moisture (g/h) from it, its
  // dung and spilt water.
  double HeatWatts(double age) const;
  double MoistureGramsPerHour(double age) const;
  // The least fresh air one pig needs (m³/h).
  double MinimumAir(double age) const;
};

}  // namespace sm::demo
