#include "hostapp/MainWindow.h"

#include "host/Toolkit.h"
#include "hostapp/AddOnHost.h"

MainWindow::MainWindow(AddOnHost& host, HostJournal& journal)
    : host(host), journal(journal), runWatch(journal) {
    view = MainWindowView::Create(
        journal.menus, {[this](std::int16_t menuId, std::int16_t item) { ChooseCommand(menuId, item); },
                        [this] { Close(); }});
    host.SetChangeListener([this] { Refresh(); });
    host::SetDialogOpenedHook([this](host::ModalDialog& dialog) { runWatch.Watch(dialog); });
    Refresh();
}

MainWindow::~MainWindow() {
    host::SetDialogOpenedHook({});
    host.SetChangeListener({});
}

void MainWindow::Refresh() {
    view->Refresh({journal.name, journal.unloaded ? journal.description + " (unloaded)" : journal.description,
                   journal.materials, journal.libraryFolders,
                   [this](std::int16_t menuId) { return host.HasMenuCommand(menuId); }});
}

void MainWindow::Run() {
    view->Show();
    running = true;
    while (running) {
        view->HandleNextEvent();
    }
}

void MainWindow::Close() {
    if (commandRunning) {
        closeRequested = true;
        return;
    }
    running = false;
    view->Hide();
}

void MainWindow::ChooseCommand(std::int16_t menuId, std::int16_t item) {
    if (commandRunning) {
        return;
    }
    commandRunning = true;
    std::string error;
    if (!host.ChooseMenuCommand(menuId, item, error)) {
        view->ShowError(error);
    }
    commandRunning = false;
    Refresh();
    if (closeRequested) {
        Close();
    }
}
