#pragma once

namespace engine {

// Draws one frame of the loaded world into the frame buffer from the viewer's position.
void RenderFrame();

// Gives each snow particle a random frame offset (when the snow flag is on at initialisation).
void SeedSnow();

}  // namespace engine
