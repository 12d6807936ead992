#include "shell/core/random.h"

#include <chrono>
#include <random>

namespace modHelp {
namespace {

std::mt19937 generator;

} // namespace

void randomize() {
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    generator.seed(static_cast<std::mt19937::result_type>(ticks));
}

float rnd() {
    // 24 random bits fill a float's mantissa exactly, so the result never rounds up to 1.
    constexpr float scale = 1.0f / 16777216.0f;
    return static_cast<float>(generator() >> 8) * scale;
}

} // namespace modHelp
