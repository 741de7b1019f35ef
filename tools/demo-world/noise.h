#pragma once
#include <cstdint>

namespace qzdemo {

// Every texture is drawn from these seeded functions alone, so the files come out byte for byte
// the same on every build and machine.

// A well-mixed 32-bit hash of a lattice point.
uint32_t latticeHash(int x, int y, uint32_t seed);

// latticeHash scaled to [0, 1).
float unitHash(int x, int y, uint32_t seed);

// Smoothly interpolated value noise in [0, 1) on an integer lattice that repeats every periodX
// by periodY cells, so a texture of a whole number of cells tiles without a seam.
float valueNoise(float x, float y, int periodX, int periodY, uint32_t seed);

// Octaves of value noise, each at twice the frequency and half the weight of the one before,
// normalised to [0, 1). Coordinates and periods are those of the first octave.
float fractalNoise(float x, float y, int periodX, int periodY, int octaves, uint32_t seed);

// A sequence of pseudo-random numbers (SplitMix64) for placing things: bricks, clouds, strokes.
class Sequence {
public:
    explicit Sequence(uint64_t seed) : state_(seed) {}
    uint32_t next();
    float unit();                    // [0, 1)
    int between(int low, int high);  // low .. high, both included

private:
    uint64_t state_;
};

}  // namespace qzdemo
