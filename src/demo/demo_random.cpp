#include "demo/demo_random.h"

namespace sm::demo {

uint64_t DemoRandom::Next() {
  uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

double DemoRandom::Uniform() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }

int DemoRandom::Whole(int low, int high) {
  const uint64_t span = static_cast<uint64_t>(high - low) + 1;
  return low + static_cast<int>(Next() % span);
}

double DemoRandom::Normal() {
  // Twelve uniforms have variance 1 and mean 6; four are plenty here:
  // variance 1/3, scaled back to 1.
  double sum = Uniform() + Uniform() + Uniform() + Uniform();
  return (sum - 2.0) * 1.7320508075688772;
}

DemoRandom DemoRandom::Fork(uint64_t salt) {
  DemoRandom mixer(state_ ^ (salt * 0xD1B54A32D192ED03ull));
  return DemoRandom(mixer.Next());
}

}  // namespace sm::demo
