#pragma once

#include "hostapp/HostJournal.h"

#include <gtk/gtk.h>

#include <cstdint>
#include <vector>

class AddOnHost;

// The host's main window for a person at the screen: a menu bar with the add-on's menus, the
// add-on's name and description, the host's material list (name, colour, texture thumbnail and
// file) and its loaded library folders. Kept up to date as the add-on calls the host.
class MainWindow {
public:
    MainWindow(AddOnHost& host, HostJournal& journal);
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Shows the window and runs the toolkit's loop until the window is closed.
    void Run();

private:
    struct CommandBinding {
        MainWindow* window;
        std::int16_t menuId;
        std::int16_t item;
    };

    GtkWidget* BuildMenuBar();
    void AddAddOnMenus(GtkWidget* menuBar);
    void Refresh();
    void FillMaterials();
    void FillLibraryFolders();
    void ChooseCommand(const CommandBinding& binding);
    void Close();

    static void OnCommandActivated(GtkMenuItem* item, gpointer data);
    static gboolean OnDeleteEvent(GtkWidget* widget, GdkEvent* event, gpointer data);
    static gboolean OnQuitSignal(gpointer data);

    AddOnHost& host;
    HostJournal& journal;
    GtkWidget* window = nullptr;
    GtkWidget* nameLabel = nullptr;
    GtkWidget* descriptionLabel = nullptr;
    GtkWidget* materialList = nullptr;
    GtkWidget* folderList = nullptr;
    std::vector<std::pair<GtkWidget*, CommandBinding*>> commandItems;
    std::vector<guint> signalSources;
    bool commandRunning = false;
    bool closeRequested = false;
    bool running = false;
};
