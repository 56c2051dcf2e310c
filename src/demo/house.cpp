#include "demo/house.h"

#include <algorithm>
#include <cmath>

namespace sm::demo {
namespace {

constexpr double kAirHeat = 0.335;  // W per (m³/h) and kelvin: what fresh air carries off
constexpr double kVentBand = 4;     // K above target at which every fan runs at full speed
constexpr double kEmptyTarget = 16; // °C while the room is empty: keeps it dry and frost-free
constexpr int kPlacingSlot = 108;   // 09:00, the first lorry
constexpr int kClearingSlot = 72;   // 06:00

double Round1(double v) { return std::round(v * 10) / 10; }

// Pigs eat and drink most in the morning and late afternoon, little at night.
std::vector<double> ActivityOverDay() {
  std::vector<double> a(House::kStepsPerDay);
  double sum = 0;
  for (int slot = 0; slot < House::kStepsPerDay; ++slot) {
    const double h = (slot + 0.5) * 24.0 / House::kStepsPerDay;
    const double morning = (h - 8) / 2, evening = (h - 17) / 2.5;
    a[slot] = 0.35 + std::exp(-morning * morning) + 1.2 * std::exp(-evening * evening) + (h >= 6 && h < 20 ? 0.4 : 0);
    sum += a[slot];
  }
  for (double& v : a) v *= a.size() / sum;
  return a;
}

}  // namespace

int CycleDay(const AirspacePlan& plan, int64_t end_day, int64_t day) {
  const int64_t since = day - (end_day - plan.cycle_day_at_end);
  return static_cast<int>(((since % kPeriodDays) + kPeriodDays) % kPeriodDays);
}

int64_t PlacingDay(const AirspacePlan& plan, int64_t end_day, int64_t day) {
  return day - CycleDay(plan, end_day, day);
}

House::House(AirspacePlan plan, int64_t end_day, DemoRandom random)
    : plan_(std::move(plan)), end_day_(end_day), random_(random), activity_(ActivityOverDay()) {
  // Meters are never new: start them somewhere in their range.
  water_total_ = random_.Between(0.5, 0.9) * kWaterMeterRange;
  feed_total_ = random_.Between(0, 1) * kFeedMeterRange;
  pigs_ = -1;  // not known until the first day
}

void House::BeginDay(int64_t day) {
  cycle_day_ = CycleDay(plan_, end_day_, day);
  const int c = cycle_day_;
  if (pigs_ < 0) {
    // Joining a cycle in the middle: the pigs placed then, less a few losses.
    pigs_ = (c >= 1 && c <= kCycleDays) ? plan_.pigs - static_cast<int>(plan_.pigs * 0.0006 * c) : 0;
    inside_ = c <= kCycleDays ? plan_.growth.TargetTemperature(c) : kEmptyTarget;
  }
  changes_.clear();
  if (c == 0) {
    // Four lorries, 45 minutes apart.
    const int load = plan_.pigs / 4;
    for (int k = 0; k < 4; ++k)
      changes_.push_back({kPlacingSlot + 9 * k, k < 3 ? load : plan_.pigs - 3 * load});
  } else if (c < kCycleDays) {
    // Losses are highest in the days after weaning; the count is corrected
    // on the morning round.
    const double expected = pigs_ * (0.0005 + 0.0015 * std::exp(-c / 5.0));
    const int deaths = static_cast<int>(std::floor(expected + random_.Uniform()));
    for (int k = 0; k < deaths; ++k) changes_.push_back({random_.Whole(84, 119), -1});
  } else if (c == kCycleDays && pigs_ > 0) {
    // Cleared in four loads, an hour apart.
    const int load = (pigs_ + 3) / 4;
    for (int k = 0; k < 4; ++k) changes_.push_back({kClearingSlot + 12 * k, k < 3 ? -load : -(pigs_ - 3 * load)});
  }
  std::stable_sort(changes_.begin(), changes_.end(),
                   [](const PigChange& a, const PigChange& b) { return a.slot < b.slot; });
}

double House::Ventilation(double inside, double target, double min_vent) const {
  return std::clamp(min_vent + (100 - min_vent) * (inside - target) / kVentBand, min_vent, 100.0);
}

double House::Heating(double inside, double target) const {
  return std::clamp((target - 0.5 - inside) * 60, 0.0, 100.0);
}

double House::Equilibrium(double outside, double target, double min_vent, double pig_heat, double sun) const {
  // The temperature at which the controller's heat and air balance the
  // room: heat in (pigs, heater, sun) equals heat out (walls, fresh air).
  // Warmer means more air and less heat, so the balance is found by halving.
  double low = outside - 1, high = outside + 100;
  for (int k = 0; k < 32; ++k) {  // to a few millikelvin
    const double t = (low + high) / 2;
    const double heat_in = pig_heat + Heating(t, target) / 100 * plan_.heater_watts + sun;
    const double loss = plan_.walls_watts_per_kelvin + kAirHeat * Ventilation(t, target, min_vent) / 100 * plan_.max_air;
    if (outside + heat_in / loss > t)
      low = t;
    else
      high = t;
  }
  return (low + high) / 2;
}

const HouseReading& House::Step(int slot, const WeatherReading& outside) {
  for (const PigChange& change : changes_)
    if (change.slot == slot) pigs_ = std::max(0, pigs_ + change.delta);

  const int c = cycle_day_;
  const double age = c + static_cast<double>(slot) / kStepsPerDay;
  const PigGrowth& g = plan_.growth;
  double target = kEmptyTarget;
  if (c < kCycleDays || (c == kCycleDays && pigs_ > 0))
    target = g.TargetTemperature(c);
  else if (c == kPeriodDays - 1)
    target = g.target_start;  // warming up for the next pigs
  target = Round1(target);

  const double pig_heat = pigs_ * g.HeatWatts(age);
  const double min_vent = pigs_ > 0 ? std::clamp(pigs_ * g.MinimumAir(age) / plan_.max_air * 100, 4.0, 60.0) : 5.0;
  const double sun = outside.sunshine * 12.5 * plan_.floor_area;
  const double settled = Equilibrium(outside.temperature, target, min_vent, pig_heat, sun);
  inside_ = settled + (inside_ - settled) * std::exp(-kStepSeconds / plan_.seconds_to_settle) +
            0.05 * random_.Normal();

  now_.temperature = Round1(inside_ + 0.08 * random_.Normal());
  now_.probe_b = Round1(inside_ + 0.4 + 0.15 * random_.Normal());  // hangs nearer the heater
  now_.target = target;
  now_.ventilation = std::round(Ventilation(inside_, target, min_vent));
  now_.heater = std::round(Heating(inside_, target));
  now_.fan_stage = static_cast<int>(std::ceil(now_.ventilation * 6 / 100));

  const bool washing = (c == kCycleDays + 1 || c == kCycleDays + 2) && slot >= 84 && slot < 204;
  if (washing) {
    now_.humidity = std::round(90 + 8 * random_.Uniform());
  } else {
    const double air = std::max(150.0, now_.ventilation / 100 * plan_.max_air);
    // After the wash the floors and walls dry out over a day or two.
    const double drying = c > kCycleDays + 2 ? 4000 * std::exp(kCycleDays + 3 - age) : 0;
    const double vapour = outside.humidity / 100 * SaturatedVapour(outside.temperature) +
                          (pigs_ * g.MoistureGramsPerHour(age) + drying) / air;
    now_.humidity = std::round(std::clamp(100 * vapour / SaturatedVapour(inside_) + random_.Normal(), 20.0, 99.0));
  }

  if (pigs_ > 0) {
    const double share = activity_[slot] / kStepsPerDay;
    water_total_ += pigs_ * g.WaterPerDay(age, inside_) * share * std::max(0.0, 1 + 0.12 * random_.Normal());
    feed_total_ += pigs_ * g.FeedPerDay(age) * 1000 * share * std::max(0.0, 1 + 0.12 * random_.Normal());
  }
  now_.water_meter = std::fmod(std::floor(water_total_), kWaterMeterRange);
  now_.feed_meter = std::fmod(std::floor(feed_total_), kFeedMeterRange);
  now_.pigs = pigs_;
  return now_;
}

}  // namespace sm::demo
