#pragma once

#include "catalogue/TNData.h"
#include "catalogue/TNDataEventObserver.h"

#include <string>
#include <vector>

namespace testsupport {

// Attaches to a store and writes down every notification it receives, as
// "ModeChanged", "ChosenColourChanged(3)", "ViewModeChanged(true)" and so on.
class StoreEventLog : public TNDataEventObserver {
public:
    explicit StoreEventLog(TNData& store) { store.GetEventSource().Attach(*this); }

    void ModeChanged() override { events.push_back("ModeChanged"); }
    void SurfaceChanged() override { events.push_back("SurfaceChanged"); }
    void ProductChanged() override { events.push_back("ProductChanged"); }
    void CurrentColourChanged() override { events.push_back("CurrentColourChanged"); }
    void ChosenColourChanged(std::uint32_t index) override {
        events.push_back("ChosenColourChanged(" + std::to_string(index) + ")");
    }
    void PickedColoursChanged() override { events.push_back("PickedColoursChanged"); }
    void SelectedSlotChanged() override { events.push_back("SelectedSlotChanged"); }
    void ViewModeChanged(bool available) override {
        events.push_back(std::string("ViewModeChanged(") + (available ? "true" : "false") + ")");
    }

    std::vector<std::string> events;
};

} // namespace testsupport
