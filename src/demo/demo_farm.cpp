#include "demo/demo_farm.h"

namespace sm::demo {

std::vector<AirspacePlan> DemoFarm() {
  AirspacePlan house1;
  house1.name = "House 1";
  house1.code = "H1";
  house1.pigs = 800;
  house1.floor_area = 320;
  house1.max_air = 32000;
  house1.heater_watts = 60000;
  house1.walls_watts_per_kelvin = 450;
  house1.cycle_day_at_end = 33;
  house1.fan_stage_air = {0, 3500, 8000, 13500, 19500, 25500, 32000};
  house1.growth = {12, 0.35, 0.8, 28, 22};

  AirspacePlan house2 = house1;
  house2.name = "House 2";
  house2.code = "H2";
  house2.pigs = 750;
  house2.floor_area = 300;
  house2.max_air = 30000;
  house2.heater_watts = 55000;
  house2.walls_watts_per_kelvin = 420;
  house2.cycle_day_at_end = 12;
  house2.fan_stage_air = {0, 3200, 7500, 12500, 18000, 24000, 30000};

  AirspacePlan nursery;
  nursery.name = "Nursery";
  nursery.code = "N1";
  nursery.pigs = 450;
  nursery.floor_area = 140;
  nursery.max_air = 12000;
  nursery.heater_watts = 40000;
  nursery.walls_watts_per_kelvin = 250;
  nursery.seconds_to_settle = 1200;
  nursery.cycle_day_at_end = kCycleDays + 3;
  nursery.second_probe = true;
  nursery.fan_stage_air = {0, 1200, 3000, 5000, 7200, 9600, 12000};
  nursery.growth = {7, 0.2, 0.55, 30, 24};
  return {house1, house2, nursery};
}

}  // namespace sm::demo
