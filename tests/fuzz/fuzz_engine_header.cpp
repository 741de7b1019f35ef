// libFuzzer target: the engine's header and settings reader on arbitrary text.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/engine_state.h"
#include "engine/header_file.h"
#include "engine/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view text(reinterpret_cast<const char*>(data), size);
    engine::readHeader(text);
    engine::readDisplayFlags(std::string(text));
    const engine::EngineState& s = engine::state();
    // Every list a positive count names is rebuilt to exactly that count.
    if (s.numWalls > 0 && s.wallNames.size() != static_cast<size_t>(s.numWalls)) __builtin_trap();
    if (s.numFloors > 0 && s.floorNames.size() != static_cast<size_t>(s.numFloors)) __builtin_trap();
    return 0;
}
