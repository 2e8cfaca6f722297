#pragma once

#include "hostapp/DialogRunWatch.h"
#include "hostapp/HostJournal.h"
#include "hostapp/MainWindowView.h"

#include <cstdint>
#include <memory>

class AddOnHost;

// The host's main window for a person at the screen, kept up to date as the add-on calls the
// host; its menus call the add-on's commands, one at a time. Closing waits for a running command.
class MainWindow {
public:
    MainWindow(AddOnHost& host, HostJournal& journal);
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Shows the window and runs the toolkit's loop until the window is closed.
    void Run();

private:
    void Refresh();
    void ChooseCommand(std::int16_t menuId, std::int16_t item);
    void Close();

    AddOnHost& host;
    HostJournal& journal;
    DialogRunWatch runWatch;
    std::unique_ptr<MainWindowView> view;
    bool commandRunning = false;
    bool closeRequested = false;
    bool running = false;
};
