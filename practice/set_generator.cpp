#include "practice/set_generator.h"

namespace vardel::practice {

std::uint64_t SetGenerator::next() {
  state_ += 0x9E3779B97F4A7C15u;
  std::uint64_t z = state_;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
  return z ^ (z >> 31);
}

std::size_t SetGenerator::below(std::size_t n) {
  return static_cast<std::size_t>(next() % static_cast<std::uint64_t>(n));
}

}  // namespace vardel::practice
