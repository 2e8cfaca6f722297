#pragma once

#include <string_view>

// Whether a catalogue's web link may be handed to the desktop: only absolute http, https and
// mailto addresses without spaces or control characters. Anything else could open local files or
// start programs.
bool IsOpenableWebAddress(std::string_view address);
