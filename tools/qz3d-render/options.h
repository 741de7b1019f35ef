#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace qzrender {

struct Options {
    std::string header;
    std::string out;
    int32_t width = 320, height = 200;
    std::optional<std::array<int32_t, 4>> at;  // x, y, eye height, angle
    std::string keys;                          // W/S forward and back, A/D turn left and right
    int32_t frames = 1;
    int32_t bench = 0;
};

inline constexpr const char* kUsage =
    "usage: qz3d-render HEADER.hdr --out FILE(.bmp|.png) [--size WxH] [--at X,Y,Z,ANGLE] [--keys WSAD...] "
    "[--frames N] [--bench N]";

// The options, or nothing with the reason in error.
std::optional<Options> parseOptions(int argc, char** argv, std::string& error);

}  // namespace qzrender
