#include "platform/random.h"

#include <chrono>
#include <random>

namespace qz {

namespace {

std::mt19937& generator()
{
    static std::mt19937 engine(5489u);
    return engine;
}

std::optional<uint32_t>& fixedSeed()
{
    static std::optional<uint32_t> seed;
    return seed;
}

}  // namespace

float rnd()
{
    // 24 random bits fill a float's mantissa exactly, so the result is never 1.
    return static_cast<float>(generator()() >> 8) * (1.0f / 16777216.0f);
}

void randomize()
{
    if (fixedSeed()) {
        generator().seed(*fixedSeed());
        return;
    }
    auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    generator().seed(static_cast<uint32_t>(ticks ^ (ticks >> 32)));
}

void setFixedRandomSeed(std::optional<uint32_t> seed)
{
    fixedSeed() = seed;
    if (seed) generator().seed(*seed);
}

}  // namespace qz
