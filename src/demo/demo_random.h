// The demonstration data's own random numbers: splitmix64, so the same seed
// gives the same site on every machine and library version.
#pragma once

#include <cstdint>

namespace sm::demo {

class DemoRandom {
 public:
  explicit DemoRandom(uint64_t seed) : state_(seed) {}

  uint64_t Next();
  // In [0, 1).
  double Uniform();
  double Between(double low, double high) { return low + (high - low) * Uniform(); }
  // In [low, high], both whole.
  int Whole(int low, int high);
  // Mean 0, deviation 1; a sum of uniforms, so no library function is
  // involved and the tails end at +-3.5.
  double Normal();
  bool Chance(double probability) { return Uniform() < probability; }
  // An independent stream for another part of the model.
  DemoRandom Fork(uint64_t salt);

 private:
  uint64_t state_;
};

}  // namespace sm::demo
