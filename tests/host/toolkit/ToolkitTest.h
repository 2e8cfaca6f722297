#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "host/DialogTemplate.h"
#include "host/ItemObservers.h"
#include "host/PanelObserver.h"
#include "host/Toolkit.h"
#include "host/UserItem.h"
#include "support/Display.h"

namespace toolkit_test {

using Log = std::vector<std::string>;

// Item ids of SampleTemplate().
enum SampleId : std::int16_t {
    CloseId = 1,
    PictureId = 2,
    LabelId = 3,
    PopUpId = 4,
    CheckId = 5,
    HorizontalId = 6,
    VerticalId = 7,
    IconId = 8,
};

// A dialog of 300 x 200 pixels with one item of every template kind; its texts are in the Central
// European code page, as resources hold them.
inline host::DialogTemplate SampleTemplate() {
    using K = host::DialogItemKind;
    host::DialogTemplate t;
    t.title = "Sz\xEDnv\xE1laszt\xF3"; // Színválasztó
    t.width = 300;
    t.height = 200;
    t.items = {
        {CloseId, K::PushButton, 10, 160, 80, 25, 1, 0, 0, "Bez\xE1r"},
        {PictureId, K::Picture, 5, 5, 40, 30, 0, 0, 0, ""},
        {LabelId, K::LeftText, 10, 40, 200, 17, 0, 0, 0, "Fel\xFClet kiv\xE1laszt\xE1sa:"},
        {PopUpId, K::PopUp, 10, 60, 200, 80, 0, 3, 0, ""},
        {CheckId, K::PushCheck, 10, 90, 120, 21, 3, 0, 0, "V\xE1laszthat\xF3"},
        {HorizontalId, K::HorizontalSeparator, 10, 120, 280, 0, 0, 0, 0, ""},
        {VerticalId, K::VerticalSeparator, 150, 125, 0, 30, 1, 0, 0, ""},
        {IconId, K::IconPushButton, 220, 40, 72, 72, 2, 0, 0, ""},
    };
    return t;
}

class ToolkitTest : public ::testing::Test {
protected:
    void SetUp() override {
        TN_START_TOOLKIT();
    }
};

// Writes down every notification it receives, one line each.
class Recorder : public host::PanelObserver,
                 public host::ButtonObserver,
                 public host::PopUpObserver,
                 public host::CheckItemObserver,
                 public host::UserItemObserver {
public:
    void PanelOpened(const host::PanelOpenEvent&) override { log.push_back("opened"); }
    void PanelIdle(const host::PanelIdleEvent&) override { ++idles; }
    void ButtonClicked(const host::ButtonClickEvent& event) override {
        log.push_back("button " + std::to_string(event.source->GetId()));
    }
    void PopUpChanged(const host::PopUpChangeEvent& event) override {
        log.push_back("popup " + std::to_string(event.source->GetSelectedItem()));
    }
    void CheckItemChanged(const host::CheckItemChangeEvent& event) override {
        log.push_back(std::string("check ") + (event.source->IsOn() ? "on" : "off"));
    }
    void UserItemUpdate(const host::UserItemUpdateEvent& event) override {
        ++updates;
        lastContext = event.context;
    }
    void UserItemClicked(const host::UserItemMouseEvent& event) override { Mouse("click", event); }
    void UserItemDoubleClicked(const host::UserItemMouseEvent& event) override { Mouse("double", event); }
    void UserItemMouseMoved(const host::UserItemMouseEvent& event) override { Mouse("move", event); }

    std::vector<std::string> log;
    int idles = 0;
    int updates = 0;
    host::NativeDrawContext* lastContext = nullptr;

private:
    void Mouse(const char* what, const host::UserItemMouseEvent& event) {
        log.push_back(std::string(what) + " " + std::to_string(event.source->GetId()) + " " +
                      std::to_string(event.offset.x) + "," + std::to_string(event.offset.y) +
                      (event.leftButtonPressed ? " down" : " up"));
    }
};

} // namespace toolkit_test
