#pragma once

#include "host/EventObserver.h"

#include <cstdint>

// Observer of the catalogue store. Every operation has an empty default body; the store calls
// them synchronously, and a handler may call back into the store.
class TNDataEventObserver : public host::EventObserver {
public:
    // Mode, and with it surface and product, changed: rebuild all three lists.
    virtual void ModeChanged() {}
    // Surface and product changed.
    virtual void SurfaceChanged() {}
    virtual void ProductChanged() {}
    virtual void CurrentColourChanged() {}
    // One slot of the chosen-colour list changed.
    virtual void ChosenColourChanged(std::uint32_t index) { (void)index; }
    // The nearest colours or the mixed colour changed.
    virtual void PickedColoursChanged() {}
    virtual void SelectedSlotChanged() {}
    // The view mode was (re)decided; `available` tells whether the product offers a second view.
    virtual void ViewModeChanged(bool available) { (void)available; }
};
