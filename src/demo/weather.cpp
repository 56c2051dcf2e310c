#include "demo/weather.h"

#include <algorithm>
#include <cmath>

#include "core/datetime.h"
#include "logdata/log_time.h"

namespace sm::demo {
namespace {

constexpr double kTwoPi = 6.283185307179586;

// An AR(1) step that keeps the deviation at `sigma` with memory `tau`.
double Drift(double value, double sigma, double tau_seconds, double step_seconds, DemoRandom& random) {
  const double keep = std::exp(-step_seconds / tau_seconds);
  return value * keep + sigma * std::sqrt(1 - keep * keep) * random.Normal();
}

}  // namespace

double SeasonalTemperature(double day_of_year) {
  // Coldest in mid January (1 °C), warmest in mid July (18 °C).
  return 9.5 - 8.5 * std::cos(kTwoPi * (day_of_year - 15) / 365.25);
}

double DayOfYear(double day_number) {
  CivilDate d = DecodeDate(day_number);
  return std::floor(day_number) - EncodeDate(d.year, 1, 1);
}

double SaturatedVapour(double celsius) {
  const double hpa = 6.112 * std::exp(17.67 * celsius / (celsius + 243.5));
  return 216.7 * hpa / (celsius + 273.15);
}

Weather::Weather(DemoRandom random) : random_(random) {
  front_ = 3 * random_.Normal();
  direction_ = random_.Between(180, 300);
}

const WeatherReading& Weather::Step(int64_t unix_seconds, double step_seconds) {
  const double day_number = static_cast<double>(unix_seconds) / 86400.0 + kUnixEpochDay;
  const double hour = (day_number - std::floor(day_number)) * 24;
  const double doy = DayOfYear(day_number);
  const double summer = (1 - std::cos(kTwoPi * (doy - 15) / 365.25)) / 2;  // 0 in January, 1 in July

  front_ = Drift(front_, 3.5, 2.5 * 86400, step_seconds, random_);
  damp_ = Drift(damp_, 8, 1.5 * 86400, step_seconds, random_);
  gust_ = Drift(gust_, 1.6, 6 * 3600, step_seconds, random_);
  // The direction wanders and is pulled gently back to the south-west.
  direction_ += 2.5 * random_.Normal() + 0.002 * std::remainder(240 - direction_, 360);
  direction_ = std::fmod(direction_ + 360, 360);

  // Clear days (a cold front, dry air) swing more than cloudy ones.
  const double clear = std::clamp(0.6 - damp_ / 20, 0.1, 1.0);
  const double swing = (3 + 3 * summer) * (0.5 + clear);
  const double daily = std::cos(kTwoPi * (hour - 15) / 24);
  now_.temperature = SeasonalTemperature(doy) + front_ + swing * daily + 0.15 * random_.Normal();

  // Humidity is highest at dawn and falls as the air warms.
  const double humidity = 78 + damp_ + 12 * std::cos(kTwoPi * (hour - 5) / 24) - 2.5 * swing * (daily + 1) / 2;
  now_.humidity = std::clamp(humidity + random_.Normal(), 25.0, 100.0);

  now_.wind_speed = std::max(0.0, 3.2 + 1.2 * std::sin(kTwoPi * (hour - 9) / 24) + gust_ + 0.3 * random_.Normal());
  now_.wind_direction = direction_;
  const double sun_height = std::max(0.0, std::cos(kTwoPi * (hour - 13) / 24) - 0.3 + 0.25 * summer);
  now_.sunshine = std::clamp(sun_height * clear * 1.4, 0.0, 1.0);
  return now_;
}

}  // namespace sm::demo
