#include "editor/random.h"

#include <chrono>
#include <random>

namespace pictor {
namespace {

std::mt19937& Generator() {
  static std::mt19937 generator;
  return generator;
}

}  // namespace

void Randomize() {
  Generator().seed(static_cast<std::mt19937::result_type>(
      std::chrono::steady_clock::now().time_since_epoch().count()));
}

int Random(int n) {
  if (n <= 0) return 0;
  return std::uniform_int_distribution<int>(0, n - 1)(Generator());
}

}  // namespace pictor
