#include "engine/engine_state.h"

namespace engine {

EngineState& state()
{
    static EngineState engineState;
    return engineState;
}

}  // namespace engine
