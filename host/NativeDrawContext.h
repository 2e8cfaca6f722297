#pragma once

namespace host {

// The window system's drawing context that a user item's update event carries. Opaque to the
// add-on: only the drawing backend's window device looks inside (a cairo context here).
struct NativeDrawContext;

} // namespace host
