// One logged series used by an airspace's expressions: the range load
// fills its values and status bytes, one per row.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sm {

struct TDataSeries {
  std::string name;   // a catalogued series name
  bool prepared = false;
  std::vector<float> values;
  std::vector<uint8_t> status;  // 1 = a value was logged for the row
};

}  // namespace sm
