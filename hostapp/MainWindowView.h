#pragma once

#include "hostapp/HostJournal.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// What the main window shows of the host's state.
struct MainWindowContent {
    std::string name;
    std::string description;
    std::vector<HostMaterial> materials;
    std::vector<std::string> libraryFolders;
    // Whether the add-on's menu `menuId` has a command to call.
    std::function<bool(std::int16_t menuId)> hasCommand;
};

// The platform's window for the host's main window: a menu bar with File > Quit and the add-on's
// menus (mnemonics marked with "&", prompts shown as the item is pointed at), the add-on's name
// and description, the material list (name, colour swatch, texture thumbnail and file) and the
// loaded library folders. It only shows; what its commands do is the owner's.
class MainWindowView {
public:
    struct Actions {
        std::function<void(std::int16_t menuId, std::int16_t item)> chooseCommand;
        // Quit from the menu, the window's close box, or an interrupt of the process.
        std::function<void()> close;
    };

    // Builds the window, hidden, with the add-on's menus.
    static std::unique_ptr<MainWindowView> Create(const std::vector<HostMenu>& menus, Actions actions);
    virtual ~MainWindowView() = default;

    virtual void Refresh(const MainWindowContent& content) = 0;
    virtual void Show() = 0;
    virtual void Hide() = 0;
    // Waits for the window system's next event and handles it.
    virtual void HandleNextEvent() = 0;
    // Tells the person at the screen, in a box of its own, that a command failed.
    virtual void ShowError(const std::string& message) = 0;
};
