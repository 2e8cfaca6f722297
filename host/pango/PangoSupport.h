#pragma once

#include <memory>

#include <pango/pangocairo.h>

#include "host/Font.h"

namespace host {

struct GObjectUnref {
    void operator()(gpointer object) const { g_object_unref(object); }
};
template <typename T> using GObjectPtr = std::unique_ptr<T, GObjectUnref>;

struct FontDescriptionFree {
    void operator()(PangoFontDescription* description) const { pango_font_description_free(description); }
};
using FontDescriptionPtr = std::unique_ptr<PangoFontDescription, FontDescriptionFree>;

// Null for a font whose size is unusable.
FontDescriptionPtr NewFontDescription(const Font& font);
FontDescriptionPtr NewFontDescription(const UniString& family, double size, int style);

// A context of the text engine's one font map, at 96 pixels per inch and with the same font options
// for measuring and drawing, so that measured text takes exactly the room it is drawn in.
GObjectPtr<PangoContext> NewPangoContext();

} // namespace host
