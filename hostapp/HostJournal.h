#pragma once

#include "host/AddOnInterface.h"

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A menu the add-on registered, with its texts in UTF-8: the menu's title first, then its
// commands; prompts in the same order.
struct HostMenu {
    std::int16_t menuStringsId = 0;
    std::int16_t promptStringsId = 0;
    std::vector<std::string> texts;
    std::vector<std::string> prompts;
};

struct HostMaterial {
    std::string name; // in the system's code page (UTF-8)
    std::array<double, 3> surface{};
    std::int32_t textureSwitch = 0;
    std::optional<std::string> texture; // the texture file's path
};

struct AlertRecord {
    std::string type;
    std::string title;
    std::string text;
    std::vector<std::string> buttons;
};

struct DialogRun {
    bool closed = false;
    bool accepted = false;
    // When the opened dialog had drawn all its items: seconds of the monotonic clock.
    std::optional<double> drawnAt;
};

struct NotificationRecord {
    std::int32_t notification = 0;
    host::addon::HostResult result = 0;
};

struct EntryResults {
    std::optional<host::addon::HostResult> describe;
    std::optional<host::addon::HostResult> registerMenu;
    std::optional<host::addon::HostResult> initialize;
    std::optional<host::addon::HostResult> release;
};

// Everything the host saw of its add-on, in the order it happened; what the report and the main
// window show.
struct HostJournal {
    std::string libraryPath;
    std::string name;
    std::string description;
    EntryResults results;
    bool released = false;
    bool unloaded = false;
    std::vector<HostMenu> menus;
    std::vector<HostMaterial> materials;
    std::vector<std::string> libraryFolders;
    std::vector<AlertRecord> alerts;
    std::vector<std::string> debugLines;
    std::string pendingDebugText; // debug output after the last line end
    std::vector<DialogRun> dialogRuns;
    std::vector<std::string> webLinks;
    std::vector<NotificationRecord> notifications;
    std::map<std::string, int> serviceCalls;

    // Adds debug output, split into lines.
    void AddDebugText(std::string_view text);
    // Debug output not yet ended by a line end becomes a line of its own.
    void FlushDebugText();
};
