#pragma once

#include "host/EventSource.h"

#include <cstdint>

// The catalogue store's event source: one Fire operation per observer notification.
class TNDataEventSource : public host::EventSource {
public:
    void FireModeChanged();
    void FireSurfaceChanged();
    void FireProductChanged();
    void FireCurrentColourChanged();
    void FireChosenColourChanged(std::uint32_t index);
    void FirePickedColoursChanged();
    void FireSelectedSlotChanged();
    void FireViewModeChanged(bool available);
};
