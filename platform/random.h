#pragma once
#include <cstdint>
#include <optional>

namespace qz {

// Uniform single-precision random numbers in [0, 1), one generator for the process.
float rnd();

// Reseeds from the clock, or from the fixed seed when one is set (tools that must produce the
// same files on every run set one).
void randomize();
void setFixedRandomSeed(std::optional<uint32_t> seed);

}  // namespace qz
