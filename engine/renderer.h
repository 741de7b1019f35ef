#pragma once

namespace engine {

// Draws one frame of the loaded world into the frame buffer from the viewer's position.
void RenderFrame();

}  // namespace engine
