#pragma once

#include <optional>
#include <string>
#include <string_view>

// The one rule for a catalogue's web link: the address the shell's "open" is given for `link`, or
// nothing. Absolute http, https and mailto addresses open as they stand, and a bare "www." host
// name opens as an http address. Anything else (local files, programs, other schemes, text with
// spaces or control characters) is never handed to the shell, which would open or run it.
std::optional<std::string> WebAddressToOpen(std::string_view link);
