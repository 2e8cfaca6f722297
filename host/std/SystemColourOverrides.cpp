#include "host/std/SystemColourOverrides.h"

#include "host/Windows.h"

#include <map>

namespace host {
namespace {

std::map<int, std::uint32_t>& Overrides() {
    static std::map<int, std::uint32_t> overrides;
    return overrides;
}

} // namespace

std::optional<std::uint32_t> SystemColourOverride(int index) {
    const auto found = Overrides().find(index);
    return found == Overrides().end() ? std::nullopt : std::optional(found->second);
}

bool OverrideSystemColour(int index, std::uint32_t colour) {
    if (index < 0 || index >= SystemColourCount)
        return false;
    Overrides()[index] = colour & 0xFFFFFF;
    return true;
}

void DropSystemColourOverrides() {
    Overrides().clear();
}

} // namespace host
