#include "logdata/log_source.h"

#include <algorithm>

namespace sm {

void MergeByTimeLastWins(std::vector<Sample>& samples) {
  std::stable_sort(samples.begin(), samples.end(), [](const Sample& a, const Sample& b) { return a.time < b.time; });
  size_t out = 0;
  for (size_t i = 0; i < samples.size(); ++i) {
    if (out > 0 && samples[out - 1].time == samples[i].time)
      samples[out - 1] = samples[i];
    else
      samples[out++] = samples[i];
  }
  samples.resize(out);
}

}  // namespace sm
