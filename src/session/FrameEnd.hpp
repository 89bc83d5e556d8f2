#pragma once

struct ScreenContext;

// How every screen's frame ends: the word on the sound drawn over whatever
// the frame drew, then the frame shown; or, when a still screen had nothing
// new to draw, a short rest before it looks again.
namespace FrameEnd
{
void finish(ScreenContext& context, bool drew);
} // namespace FrameEnd
