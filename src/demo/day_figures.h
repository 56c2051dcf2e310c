// The daily figures of one airspace that a stored batch file holds, worked
// out from the day's 96 quarter-hour readings the way the report reads
// them: a row takes the record logged at its time, a row without one holds
// the value before it and counts as missing.
#pragma once

#include "demo/house.h"

namespace sm::demo {

struct DayFigures {
  double pigs = 0;  // most pigs in the room during the day
  double deaths = 0;
  double temperature = 0, temperature_low = 0, temperature_high = 0, temperature_deviation = 0;
  double target = 0;
  double humidity = 0;
  double outside = 0;
  double heater_hours = 0;
  double ventilation = 0;
  double fan_air = 0;  // m³/h of the fans running, from the fan stage table
  double water = 0;    // litres
  double feed = 0;     // kg
  double floor_area = 0;
};

class DayFigureBuilder {
 public:
  explicit DayFigureBuilder(const AirspacePlan& plan) : plan_(plan) {}

  // One quarter-hour row; `logged` is false when no record lies at its
  // time, `outside` is the outside temperature when it was logged.
  void AddRow(bool logged, const HouseReading& reading, bool outside_logged, double outside);
  // The day's figures; the builder starts the next day.
  DayFigures FinishDay();

 private:
  struct Mean {
    double sum = 0;
    int count = 0;
    void Add(double v) { sum += v, ++count; }
    double Value() const { return count ? sum / count : 0; }
  };

  const AirspacePlan& plan_;
  bool have_previous_ = false;
  HouseReading held_;  // what the last logged row read
  int rows_ = 0;
  DayFigures day_;
  Mean temperature_, square_, target_, humidity_, outside_, ventilation_, fan_air_;
};

}  // namespace sm::demo
