#include "hostapp/DialogStateJson.h"

#include "host/DialogDriver.h"
#include "hostapp/ChooserItems.h"
#include "hostapp/JsonWriter.h"

#include <optional>

namespace {

std::optional<host::ItemState> UserItemState(const host::DialogDriver& driver, const std::string& name) {
    const auto id = driver.FindUserItem(name);
    return id ? driver.GetItemState(*id) : std::nullopt;
}

// The colour of a single chip: the name of its one element; none for an empty chip.
std::optional<std::string> ChipColour(const std::optional<host::ItemState>& chip) {
    if (!chip || chip->elements.empty() || chip->elements.front().name.empty()) {
        return std::nullopt;
    }
    return chip->elements.front().name;
}

void WritePopUp(JsonWriter& json, const host::DialogDriver& driver, const char* key, std::int16_t id) {
    const auto state = driver.GetItemState(id);
    json.Key(key).BeginObject();
    json.Key("items").StringArray(state ? state->popUpItems : std::vector<std::string>{});
    std::optional<std::string> selected;
    if (state && state->selectedItem >= 1 && std::size_t(state->selectedItem) <= state->popUpItems.size()) {
        selected = state->popUpItems[std::size_t(state->selectedItem) - 1];
    }
    json.Key("selected").StringOrNull(selected);
    json.EndObject();
}

void WriteCheck(JsonWriter& json, const host::DialogDriver& driver, const char* key, std::int16_t id) {
    const auto state = driver.GetItemState(id);
    json.Key(key).BeginObject();
    json.Key("on").Bool(state && state->on);
    json.Key("enabled").Bool(state && state->enabled);
    json.EndObject();
}

bool IsShown(const std::optional<host::ItemState>& state) {
    return state && state->visible;
}

void WriteChipList(JsonWriter& json, const host::DialogDriver& driver, const char* key, const char* prefix,
                   int count) {
    json.Key(key).BeginArray();
    for (int i = 0; i < count; ++i) {
        json.StringOrNull(ChipColour(UserItemState(driver, prefix + std::to_string(i))));
    }
    json.EndArray();
}

} // namespace

std::string DescribeDialogState(const host::DialogDriver& driver) {
    JsonWriter json;
    json.BeginObject();

    json.Key("popups").BeginObject();
    WritePopUp(json, driver, "mode", chooser::ModePopUp);
    WritePopUp(json, driver, "surface", chooser::SurfacePopUp);
    WritePopUp(json, driver, "product", chooser::ProductPopUp);
    json.EndObject();

    json.Key("texts").BeginObject();
    const auto rgb = driver.GetItemState(chooser::RgbText);
    const auto selected = driver.GetItemState(chooser::SelectedText);
    json.Key("rgb").String(rgb ? rgb->text : "");
    json.Key("selected").String(selected ? selected->text : "");
    json.EndObject();

    json.Key("checks").BeginObject();
    WriteCheck(json, driver, "chips", chooser::ChipsCheck);
    WriteCheck(json, driver, "picker", chooser::PickerCheck);
    json.EndObject();

    const auto grid = UserItemState(driver, chooser::ChipArray);
    bool nearestShown = true;
    for (int i = 0; i < chooser::NearestCount; ++i) {
        nearestShown =
            nearestShown && IsShown(UserItemState(driver, chooser::NearestPrefix + std::to_string(i)));
    }
    json.Key("shown").BeginObject();
    json.Key("chipArray").Bool(IsShown(grid));
    json.Key("picker").Bool(IsShown(UserItemState(driver, chooser::Picker)));
    json.Key("mixedChip").Bool(IsShown(UserItemState(driver, chooser::MixedChip)));
    json.Key("nearestChips").Bool(nearestShown);
    json.EndObject();

    json.Key("chips").BeginObject();
    json.Key("grid").BeginArray();
    if (grid) {
        for (const host::AccessibleElement& chip : grid->elements) {
            json.String(chip.name);
        }
    }
    json.EndArray();
    json.Key("hoverLabel").StringOrNull(grid && !grid->label.empty() ? std::optional(grid->label) : std::nullopt);
    json.Key("current").StringOrNull(ChipColour(UserItemState(driver, chooser::CurrentChip)));
    WriteChipList(json, driver, "slots", chooser::SlotPrefix, chooser::SlotCount);
    std::optional<int> selectedSlot;
    for (int i = 0; i < chooser::SlotCount && !selectedSlot; ++i) {
        const auto slot = UserItemState(driver, chooser::SlotPrefix + std::to_string(i));
        if (slot && !slot->elements.empty() && slot->elements.front().selected) {
            selectedSlot = i;
        }
    }
    if (selectedSlot) {
        json.Key("selectedSlot").Integer(*selectedSlot);
    } else {
        json.Key("selectedSlot").Null();
    }
    WriteChipList(json, driver, "nearest", chooser::NearestPrefix, chooser::NearestCount);
    json.Key("mixed").StringOrNull(ChipColour(UserItemState(driver, chooser::MixedChip)));
    json.EndObject();

    json.EndObject();
    return json.GetText();
}
