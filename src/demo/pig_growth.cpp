#include "demo/pig_growth.h"

#include <algorithm>
#include <cmath>

namespace sm::demo {

double PigGrowth::TargetTemperature(double age) const {
  const double share = std::clamp(age / 35.0, 0.0, 1.0);
  return target_start - (target_start - target_end) * share;
}

double PigGrowth::Weight(double age) const {
  return start_weight + start_gain * age + (end_gain - start_gain) * age * age / (2.0 * kCycleDays);
}

double PigGrowth::FeedPerDay(double age) const {
  const double gain = start_gain + (end_gain - start_gain) * age / kCycleDays;
  const double conversion = 1.25 + 0.015 * Weight(age);
  // Newly placed pigs hardly eat for a few days.
  const double settling = 1 - 0.5 * std::exp(-age / 3);
  return gain * conversion * settling;
}

double PigGrowth::WaterPerDay(double age, double inside_celsius) const {
  const double heat = 1 + 0.04 * std::max(0.0, inside_celsius - 22);
  return (0.6 + 2.6 * FeedPerDay(age)) * heat;
}

double PigGrowth::HeatWatts(double age) const { return 6 * std::pow(Weight(age), 0.75); }

double PigGrowth::MoistureGramsPerHour(double age) const { return 7.5 * std::pow(Weight(age), 0.75); }

double PigGrowth::MinimumAir(double age) const { return 1 + 0.2 * Weight(age); }

}  // namespace sm::demo
