#include "hostapp/DialogActions.h"

#include "host/DialogDriver.h"
#include "host/Toolkit.h"
#include "hostapp/ChooserItems.h"
#include "hostapp/DialogStateJson.h"
#include "hostapp/TextFile.h"

#include <map>
#include <optional>

namespace {

struct PopUpCommand {
    std::int16_t id;
    const char* what;
};

const std::map<std::string, PopUpCommand> popUpCommands = {
    {"mode", {chooser::ModePopUp, "mode"}},
    {"surface", {chooser::SurfacePopUp, "surface"}},
    {"product", {chooser::ProductPopUp, "product"}},
};

const std::map<std::string, std::int16_t> buttonCommands = {
    {"add", chooser::AddButton},         {"remove", chooser::RemoveButton}, {"export", chooser::ExportButton},
    {"weblink", chooser::WebLinkButton}, {"chips", chooser::ChipsCheck},    {"picker", chooser::PickerCheck},
    {"close", chooser::CloseButton},
};

host::Point Centre(const host::Rect& rect) {
    return {static_cast<std::int16_t>(rect.GetLeft() + rect.GetWidth() / 2),
            static_cast<std::int16_t>(rect.GetTop() + rect.GetHeight() / 2)};
}

// The shown user item named `name`, or nothing with the reason.
std::optional<host::ItemState> ShownUserItem(const host::DialogDriver& driver, const std::string& name,
                                             std::string& error) {
    const auto id = driver.FindUserItem(name);
    const auto state = id ? driver.GetItemState(*id) : std::nullopt;
    if (!state) {
        error = "the dialog has no item \"" + name + "\"";
        return std::nullopt;
    }
    if (!state->visible) {
        error = "\"" + name + "\" is not shown";
        return std::nullopt;
    }
    return state;
}

bool ChooseFromPopUp(host::DialogDriver& driver, const PopUpCommand& popUp, const std::string& text,
                     std::string& error) {
    const auto state = driver.GetItemState(popUp.id);
    if (!state || !state->visible || !state->enabled) {
        error = std::string("the ") + popUp.what + " popup cannot be used";
        return false;
    }
    if (!driver.ChoosePopUpItem(popUp.id, text)) {
        error = std::string("the ") + popUp.what + " popup has no item \"" + text + "\"";
        return false;
    }
    return true;
}

bool ClickButton(host::DialogDriver& driver, std::int16_t id, const std::string& name, std::string& error) {
    if (!driver.Click(id)) {
        error = "\"" + name + "\" cannot be clicked (item " + std::to_string(id) + " is hidden or disabled)";
        return false;
    }
    return true;
}

bool ClickGridChip(host::DialogDriver& driver, int index, bool twice, std::string& error) {
    const auto grid = ShownUserItem(driver, chooser::ChipArray, error);
    if (!grid) {
        return false;
    }
    if (index < 0 || static_cast<std::size_t>(index) >= grid->elements.size()) {
        error = "there is no chip " + std::to_string(index) + " in the grid (it shows " +
                std::to_string(grid->elements.size()) + ")";
        return false;
    }
    const bool done = twice ? driver.DoubleClickAt(grid->id, Centre(grid->elements[index].rect))
                            : driver.ClickElement(grid->id, static_cast<std::size_t>(index));
    if (!done) {
        error = "the chip grid cannot be clicked";
    }
    return done;
}

bool ClickSingleChip(host::DialogDriver& driver, const std::string& name, std::string& error) {
    const auto chip = ShownUserItem(driver, name, error);
    if (!chip) {
        return false;
    }
    const host::Point centre{static_cast<std::int16_t>(chip->rect.GetWidth() / 2),
                             static_cast<std::int16_t>(chip->rect.GetHeight() / 2)};
    if (!driver.ClickAt(chip->id, centre)) {
        error = "\"" + name + "\" cannot be clicked";
        return false;
    }
    return true;
}

bool IndexedChip(host::DialogDriver& driver, const char* prefix, int count, int index, std::string& error) {
    if (index < 0 || index >= count) {
        error = std::string("there is no ") + prefix + " chip " + std::to_string(index) + " (0 to " +
                std::to_string(count - 1) + ")";
        return false;
    }
    return ClickSingleChip(driver, prefix + std::to_string(index), error);
}

bool InPicker(host::DialogDriver& driver, const ScriptCommand& command, std::string& error) {
    const auto picker = ShownUserItem(driver, chooser::Picker, error);
    if (!picker) {
        return false;
    }
    const auto& n = command.numbers;
    const auto at = [&](std::size_t i) {
        return host::Point{static_cast<std::int16_t>(n[i]), static_cast<std::int16_t>(n[i + 1])};
    };
    bool done = false;
    if (command.name == "pick") {
        done = driver.ClickAt(picker->id, at(0));
    } else if (n[4] < 1 || n[4] > host::DialogDriver::MaxDragSteps) {
        error = "a drag takes 1 to " + std::to_string(host::DialogDriver::MaxDragSteps) + " steps";
        return false;
    } else {
        done = driver.Drag(picker->id, at(0), at(2), n[4]);
    }
    if (!done) {
        error = "the picker cannot be used";
    }
    return done;
}

bool HoverGrid(host::DialogDriver& driver, const ScriptCommand& command, std::string& error) {
    const auto grid = ShownUserItem(driver, chooser::ChipArray, error);
    if (!grid) {
        return false;
    }
    const host::Point point{static_cast<std::int16_t>(command.numbers[0]),
                            static_cast<std::int16_t>(command.numbers[1])};
    if (!driver.Hover(grid->id, point)) {
        error = "the mouse cannot rest over the chip grid";
        return false;
    }
    return true;
}

} // namespace

bool RunDialogCommand(host::DialogDriver& driver, const ScriptCommand& command, std::string& error) {
    // Drawn items tell readers what they show when they draw it: a person acts on what is on the
    // screen, so every command waits for what the last one changed to be drawn.
    host::FlushRedraws();
    const std::string& name = command.name;
    if (const auto popUp = popUpCommands.find(name); popUp != popUpCommands.end()) {
        return ChooseFromPopUp(driver, popUp->second, command.text[0], error);
    }
    if (const auto button = buttonCommands.find(name); button != buttonCommands.end()) {
        return ClickButton(driver, button->second, name, error);
    }
    if (name == "chip" || name == "doubleclick chip") {
        return ClickGridChip(driver, command.numbers[0], name != "chip", error);
    }
    if (name == "slot") {
        return IndexedChip(driver, chooser::SlotPrefix, chooser::SlotCount, command.numbers[0], error);
    }
    if (name == "nearest") {
        return IndexedChip(driver, chooser::NearestPrefix, chooser::NearestCount, command.numbers[0], error);
    }
    if (name == "mixed") {
        return ClickSingleChip(driver, chooser::MixedChip, error);
    }
    if (name == "pick" || name == "drag") {
        return InPicker(driver, command, error);
    }
    if (name == "hover") {
        return HoverGrid(driver, command, error);
    }
    if (name == "cancel") {
        if (!driver.CloseWindow()) {
            error = "the dialog cannot be closed";
            return false;
        }
        return true;
    }
    if (name == "screenshot") {
        if (!CreateParentFolder(command.text[0]) || !driver.SaveScreenshot(command.text[0])) {
            error = "the screenshot cannot be written to " + command.text[0];
            return false;
        }
        return true;
    }
    if (name == "state") {
        if (!WriteTextFile(command.text[0], DescribeDialogState(driver))) {
            error = "the dialog's state cannot be written to " + command.text[0];
            return false;
        }
        return true;
    }
    error = "\"" + name + "\" is no dialog command";
    return false;
}
