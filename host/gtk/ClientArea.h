#pragma once

#include <gtk/gtk.h>

#include "host/Rect.h"

namespace host {

// The client area of a dialog: a container of exactly `width` by `height` pixels that places each
// child at its rectangle, whatever size the child would like. A child smaller than its minimum size
// gets its minimum size.
GtkWidget* NewClientArea(int width, int height);
void PlaceInClientArea(GtkWidget* area, GtkWidget* child, const Rect& rect);

} // namespace host
