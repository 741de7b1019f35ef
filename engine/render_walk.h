#pragma once
#include <cstdint>

#include "engine/render_context.h"

// The front-to-back walk of the BSP tree and the drawing of each node's faces.
namespace engine::render {

// Walks the subtree of node n; stops as soon as every column is closed.
void RenderNode(const FrameContext& frame, int32_t n);

// Wall parts of the face the viewer looks at, with their floor and ceiling spans.
void DrawFrontFace(const FrameContext& frame, int32_t n);

// Floor and ceiling spans of the area behind a node seen from its back; no wall pixels.
void DrawBackFlats(const FrameContext& frame, int32_t n);

}  // namespace engine::render
