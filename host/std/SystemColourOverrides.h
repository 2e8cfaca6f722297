#pragma once

#include <cstdint>
#include <optional>

namespace host {

// The colour a test put in place of system element `index`, if any; each platform's GetSysColor
// asks here first.
std::optional<std::uint32_t> SystemColourOverride(int index);

} // namespace host
