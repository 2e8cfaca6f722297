#pragma once

namespace host {

// The window system's drawing context that a user item's update event carries. Opaque to the
// add-on: only the drawing library's window device looks inside (it is a cairo context).
struct NativeDrawContext;

} // namespace host
