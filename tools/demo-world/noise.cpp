#include "tools/demo-world/noise.h"

#include <cmath>

namespace qzdemo {
namespace {

uint32_t mix(uint32_t h)
{
    h ^= h >> 16;
    h *= 0x7feb352du;
    h ^= h >> 15;
    h *= 0x846ca68bu;
    h ^= h >> 16;
    return h;
}

int wrap(int value, int period) { return ((value % period) + period) % period; }

float smooth(float t) { return t * t * (3.0f - 2.0f * t); }

float lerp(float a, float b, float t) { return a + (b - a) * t; }

}  // namespace

uint32_t latticeHash(int x, int y, uint32_t seed)
{
    return mix(static_cast<uint32_t>(x) * 0x9e3779b1u ^ mix(static_cast<uint32_t>(y) + seed * 0x85ebca77u));
}

float unitHash(int x, int y, uint32_t seed) { return static_cast<float>(latticeHash(x, y, seed) >> 8) / 16777216.0f; }

float valueNoise(float x, float y, int periodX, int periodY, uint32_t seed)
{
    const float fx = std::floor(x);
    const float fy = std::floor(y);
    const int x0 = wrap(static_cast<int>(fx), periodX);
    const int y0 = wrap(static_cast<int>(fy), periodY);
    const int x1 = wrap(x0 + 1, periodX);
    const int y1 = wrap(y0 + 1, periodY);
    const float tx = smooth(x - fx);
    const float ty = smooth(y - fy);
    const float top = lerp(unitHash(x0, y0, seed), unitHash(x1, y0, seed), tx);
    const float bottom = lerp(unitHash(x0, y1, seed), unitHash(x1, y1, seed), tx);
    return lerp(top, bottom, ty);
}

float fractalNoise(float x, float y, int periodX, int periodY, int octaves, uint32_t seed)
{
    float sum = 0.0f;
    float weight = 1.0f;
    float total = 0.0f;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += weight * valueNoise(x, y, periodX, periodY, seed + static_cast<uint32_t>(octave) * 7919u);
        total += weight;
        x *= 2.0f;
        y *= 2.0f;
        periodX *= 2;
        periodY *= 2;
        weight *= 0.5f;
    }
    return sum / total;
}

uint32_t Sequence::next()
{
    state_ += 0x9e3779b97f4a7c15ull;
    uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    return static_cast<uint32_t>((z ^ (z >> 31)) >> 32);
}

float Sequence::unit() { return static_cast<float>(next() >> 8) / 16777216.0f; }

int Sequence::between(int low, int high)
{
    const uint64_t span = static_cast<uint64_t>(high - low) + 1;
    return low + static_cast<int>((static_cast<uint64_t>(next()) * span) >> 32);
}

}  // namespace qzdemo
