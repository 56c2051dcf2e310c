#include "logdata/log_source.h"

#include <algorithm>

namespace sm {

void MergeByTimeLastWins(std::vector<Sample>& samples, size_t from) {
  const auto first = samples.begin() + static_cast<std::ptrdiff_t>(from);
  std::stable_sort(first, samples.end(), [](const Sample& a, const Sample& b) { return a.time < b.time; });
  size_t out = from;
  for (size_t i = from; i < samples.size(); ++i) {
    if (out > from && samples[out - 1].time == samples[i].time)
      samples[out - 1] = samples[i];
    else
      samples[out++] = samples[i];
  }
  samples.resize(out);
}

}  // namespace sm
