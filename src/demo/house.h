// One airspace of the demonstration farm as a small physical model: pigs
// placed for a cycle and cleared, a climate controller that ventilates and
// heats towards a falling target, the heat and moisture balance of the
// room, and meters for water and feed.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "demo/demo_random.h"
#include "demo/pig_growth.h"
#include "demo/weather.h"

namespace sm::demo {

struct AirspacePlan {
  std::string name;  // "House 1"
  std::string code;  // "H1"
  int pigs = 800;          // placed each cycle
  double floor_area = 320;  // m², a site constant of the airspace
  double max_air = 24000;   // m³/h with every fan at full speed
  double heater_watts = 60000;
  double walls_watts_per_kelvin = 450;
  double seconds_to_settle = 1800;  // how fast the room follows a change
  int cycle_day_at_end = 0;         // where the cycle stands on the last day
  bool second_probe = false;        // a second temperature probe (#TEMPB)
  std::array<int, 7> fan_stage_air{};  // m³/h of the fans running at stages 0..6
  PigGrowth growth;
};

// Day in the cycle (0 = placing day, kCycleDays = clearing day, up to
// kPeriodDays - 1) of a whole day number.
int CycleDay(const AirspacePlan& plan, int64_t end_day, int64_t day);
// Whole day number of the placing day of the cycle `day` belongs to.
int64_t PlacingDay(const AirspacePlan& plan, int64_t end_day, int64_t day);

struct HouseReading {
  double temperature = 0;  // °C, one decimal
  double probe_b = 0;      // °C, the second probe
  double target = 0;       // °C
  double humidity = 0;     // %
  double ventilation = 0;  // % of the fans' capacity
  double heater = 0;       // % of the heater's output
  int fan_stage = 0;       // 0..6
  double water_meter = 0;  // litres, a 15-bit register (wraps at 32768)
  double feed_meter = 0;   // grams, a 16-bit register (wraps at 65536)
  int pigs = 0;
};

constexpr double kWaterMeterRange = 32768;
constexpr double kFeedMeterRange = 65536;

class House {
 public:
  House(AirspacePlan plan, int64_t end_day, DemoRandom random);

  const AirspacePlan& Plan() const { return plan_; }
  // Plans the pigs' arrivals, deaths and departures of a day; call before
  // the day's first step.
  void BeginDay(int64_t day);
  // The state one step (kStepSeconds) on, at step `slot` of the day (of
  // kStepsPerDay), in the given weather.
  const HouseReading& Step(int slot, const WeatherReading& outside);

  static constexpr int kStepSeconds = 300;
  static constexpr int kStepsPerDay = 86400 / kStepSeconds;

 private:
  struct PigChange {
    int slot;
    int delta;
  };
  double Equilibrium(double outside, double target, double min_vent, double pig_heat, double sun) const;
  double Ventilation(double inside, double target, double min_vent) const;
  double Heating(double inside, double target) const;

  AirspacePlan plan_;
  int64_t end_day_;
  DemoRandom random_;
  std::vector<double> activity_;  // eating and drinking over the day, mean 1
  int cycle_day_ = 0;
  std::vector<PigChange> changes_;
  int pigs_ = 0;
  double inside_ = 20;
  double water_total_ = 0, feed_total_ = 0;
  HouseReading now_;
};

}  // namespace sm::demo
