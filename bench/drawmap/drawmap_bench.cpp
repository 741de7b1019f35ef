#include <benchmark/benchmark.h>

#include <QImage>

#include "editor/model/clsMap.h"
#include "platform/qt/qimage_surface.h"

using namespace qzedit;

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;

// 200 rooms (the area table's size) of ten walls each on a 20 x 10 grid filling a 1024 x 768 view
// at magnification 10: top and bottom sides in four pieces, left and right sides whole.
void fillWithRooms(clsMap& map)
{
    constexpr int32_t kPiece = 100;
    for (int row = 0; row < 10; ++row) {
        for (int column = 0; column < 20; ++column) {
            int32_t x = 50 + column * 512;
            int32_t y = 50 + row * 768;
            int32_t first = map.numWalls;
            map.startArea(first, 0);
            auto add = [&](int32_t ax, int32_t ay, int32_t bx, int32_t by, bool last) {
                map.addWall(ax, ay, bx, by, first, last ? -1 : map.numWalls + 1);
            };
            for (int i = 0; i < 4; ++i) add(x + i * kPiece, y, x + (i + 1) * kPiece, y, false);
            add(x + 4 * kPiece, y, x + 4 * kPiece, y + 600, false);
            for (int i = 4; i > 0; --i) add(x + i * kPiece, y + 600, x + (i - 1) * kPiece, y + 600, false);
            add(x, y + 600, x, y, true);
            map.endArea();
        }
    }
}

// One redraw of the map view: clear, walls with their ticks, viewer marker and insertion cross.
void BM_DrawMap2000Walls(benchmark::State& state)
{
    clsMap map;
    fillWithRooms(map);
    qz::QImageSurface surface(QSize(kWidth, kHeight));
    for (auto _ : state) {
        surface.clear();
        map.drawMap(surface);
        benchmark::DoNotOptimize(surface.image().constBits());
    }
    state.counters["walls"] = map.numWalls;
}
BENCHMARK(BM_DrawMap2000Walls)->Unit(benchmark::kMicrosecond);

// The floor of any redraw: clearing the same picture.
void BM_ClearOnly(benchmark::State& state)
{
    qz::QImageSurface surface(QSize(kWidth, kHeight));
    for (auto _ : state) {
        surface.clear();
        benchmark::DoNotOptimize(surface.image().constBits());
    }
}
BENCHMARK(BM_ClearOnly)->Unit(benchmark::kMicrosecond);

// One flash step of the selected wall, as the 500 ms timer draws it.
void BM_FlashWall(benchmark::State& state)
{
    clsMap map;
    fillWithRooms(map);
    qz::QImageSurface surface(QSize(kWidth, kHeight));
    map.drawMap(surface);
    for (auto _ : state) {
        map.flashWall(surface, 0);
        benchmark::DoNotOptimize(surface.image().constBits());
    }
}
BENCHMARK(BM_FlashWall)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
