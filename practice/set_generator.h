#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// The generator that draws a practice set from its number. It is splitmix64,
// written out here in integer arithmetic alone, so that the same number gives
// the same figures on every machine, compiler and build, natively and in
// WebAssembly: a set handed to a class by its number is the same set for all.
namespace vardel::practice {

class SetGenerator {
 public:
  explicit SetGenerator(std::uint64_t seed) : state_(seed) {}

  std::uint64_t next();

  // A whole number from 0 to n - 1, n above 0: the remainder of the next
  // draw, computed in 64 bits whatever the width of size_t.
  std::size_t below(std::size_t n);

  template <typename T>
  const T& pick(std::span<const T> list) {
    return list[below(list.size())];
  }

 private:
  std::uint64_t state_;
};

}  // namespace vardel::practice
