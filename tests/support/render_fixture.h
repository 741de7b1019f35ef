#pragma once
#include <cstdint>
#include <deque>
#include <vector>

#include <gtest/gtest.h>

#include "engine/engine_state.h"

namespace qztest {

// A small engine state without files: a frame of the given size, the angle tables, a fallback
// block and textures made here, and nodes written straight into the world table.
class RenderFixture : public ::testing::Test {
protected:
    static constexpr uint8_t kMarker = 201;  // what the frame holds before drawing
    static constexpr size_t kSlack = 256;    // bytes kept after the frame, which nothing may write

    void SetUp() override;

    void setScreen(int32_t width, int32_t height);
    void placeViewer(double x, double y, int32_t eyeZ, int16_t angle);

    // A block of the wall layout (column-major 128 x 128): byte u * 128 + r = texel(u, r).
    template <typename Texel>
    const uint8_t* makeWallTexture(Texel texel)
    {
        std::vector<uint8_t>& block = blocks_.emplace_back(engine::kWallTextureBytes);
        for (int u = 0; u < 128; ++u)
            for (int r = 0; r < 128; ++r) block[static_cast<size_t>(u * 128 + r)] = static_cast<uint8_t>(texel(u, r));
        return block.data();
    }
    // A 64 x 64 flat: byte v * 64 + u = texel(u, v).
    template <typename Texel>
    const uint8_t* makeFlat(Texel texel)
    {
        std::vector<uint8_t>& block = blocks_.emplace_back(engine::kFlatBytes);
        for (int v = 0; v < 64; ++v)
            for (int u = 0; u < 64; ++u) block[static_cast<size_t>(v * 64 + u)] = static_cast<uint8_t>(texel(u, v));
        return block.data();
    }
    const uint8_t* makeBlock(size_t size, uint8_t (*byteAt)(size_t));

    // A solid wall (floorHtEnd = ceilHtBegin) from floor to ceiling with wall texture 1 and flats 1.
    static engine::Node solidWall(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t floor, int32_t ceiling);
    int32_t addNode(const engine::Node& node);

    void fillFrame(uint8_t value);
    uint8_t pixel(int32_t x, int32_t y) const;
    std::vector<uint8_t> frame() const { return {frame_.begin(), frame_.end() - kSlack}; }
    bool slackUntouched() const;

    engine::EngineState& s() const;

    std::vector<uint8_t> frame_;
    const uint8_t* checker_ = nullptr;  // stands in for the checkerboard: texel(u, r) = (u + 2 r) % 97 + 150

private:
    std::deque<std::vector<uint8_t>> blocks_;
};

}  // namespace qztest
