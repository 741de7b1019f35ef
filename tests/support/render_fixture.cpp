#include "tests/support/render_fixture.h"

#include <algorithm>
#include <cmath>

namespace qztest {

void RenderFixture::SetUp()
{
    engine::state() = engine::EngineState {};
    engine::EngineState& st = s();
    for (int i = 0; i <= 128; ++i) {
        st.sinTable[static_cast<size_t>(i)] = std::sin(i * 8 * std::atan(1.0) / 128);
        st.cosTable[static_cast<size_t>(i)] = std::cos(i * 8 * std::atan(1.0) / 128);
    }
    checker_ = makeWallTexture([](int u, int r) { return (u + 2 * r) % 97 + 150; });
    st.checkerboard = checker_;
    setScreen(64, 40);
}

void RenderFixture::setScreen(int32_t width, int32_t height)
{
    engine::EngineState& st = s();
    st.screenWidth = width;
    st.screenHeight = height;
    st.halfWidth = static_cast<int32_t>(std::lrint(width / 2.0));
    st.halfHeight = static_cast<int32_t>(std::lrint(height / 2.0));
    st.focalLength = width / 2;
    st.pixelCount = width * height;
    st.lastRowOffset = (height - 1) * width;
    for (int32_t y = 0; y < std::min(height, engine::kMaxScreenHeight); ++y)
        st.rowOffset[static_cast<size_t>(y)] = y * width;
    st.clipTop.assign(static_cast<size_t>(width) + 1, 0);
    st.clipBottom.assign(static_cast<size_t>(width) + 1, height);  // the spare entry looks open
    st.deferred.assign(static_cast<size_t>(width) + 1, {});
    frame_.assign(static_cast<size_t>(width * height) + kSlack, kMarker);
    st.frameBuffer = frame_.data();
}

void RenderFixture::placeViewer(double x, double y, int32_t eyeZ, int16_t angle)
{
    s().viewX = x;
    s().viewY = y;
    s().eyeZ = eyeZ;
    s().viewAngle = angle;
}

const uint8_t* RenderFixture::makeBlock(size_t size, uint8_t (*byteAt)(size_t))
{
    std::vector<uint8_t>& block = blocks_.emplace_back(size);
    for (size_t i = 0; i < size; ++i) block[i] = byteAt(i);
    return block.data();
}

engine::Node RenderFixture::solidWall(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t floor, int32_t ceiling)
{
    engine::Node node;
    node.x1 = x1;
    node.y1 = y1;
    node.x2 = x2;
    node.y2 = y2;
    node.floorHtBegin = floor;
    node.floorHtEnd = floor;
    node.ceilHtBegin = floor;
    node.ceilHtEnd = ceiling;
    node.txrWall = node.txrFFloor = node.txrFCeil = node.txrBFloor = node.txrBCeil = 1;
    node.length = static_cast<int32_t>(std::lrint(std::hypot(double(x2) - x1, double(y2) - y1)));
    return node;
}

int32_t RenderFixture::addNode(const engine::Node& node)
{
    engine::EngineState& st = s();
    st.nodes[static_cast<size_t>(st.nodeCount)] = node;
    return st.nodeCount++;
}

void RenderFixture::fillFrame(uint8_t value) { std::fill(frame_.begin(), frame_.end() - kSlack, value); }

bool RenderFixture::slackUntouched() const
{
    return std::all_of(frame_.end() - kSlack, frame_.end(), [](uint8_t byte) { return byte == kMarker; });
}

uint8_t RenderFixture::pixel(int32_t x, int32_t y) const
{
    return frame_[static_cast<size_t>(y * s().screenWidth + x)];
}

engine::EngineState& RenderFixture::s() const { return engine::state(); }

}  // namespace qztest
