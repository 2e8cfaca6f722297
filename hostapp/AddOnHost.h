#pragma once

#include "host/AddOnInterface.h"
#include "host/Resources.h"
#include "hostapp/AddOnLibrary.h"
#include "hostapp/HostJournal.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <string>

// The host's own notifications, one bit each.
inline constexpr std::int32_t HostWillQuit = 0x00000001;

// Host results of the stand-in's services beyond success.
inline constexpr host::addon::HostResult HostErrBadContext =
    static_cast<host::addon::HostResult>(0x81060101u);
inline constexpr host::addon::HostResult HostErrBadRecord = static_cast<host::addon::HostResult>(0x81060102u);
inline constexpr host::addon::HostResult HostErrNoSuchMenu =
    static_cast<host::addon::HostResult>(0x81060103u);
inline constexpr host::addon::HostResult HostErrBadSelector =
    static_cast<host::addon::HostResult>(0x81060104u);

// The host's side of one add-on: loads it, hands it the service table, calls its entry points in
// order, serves its calls and records everything in the journal. One host serves the service table
// at a time; everything runs on the user-interface thread.
class AddOnHost {
public:
    explicit AddOnHost(HostJournal& journal);
    ~AddOnHost();
    AddOnHost(const AddOnHost&) = delete;
    AddOnHost& operator=(const AddOnHost&) = delete;

    // Loads the add-on at `path`, hands over the service table and calls DescribeAddOn,
    // RegisterAddOnMenu and InitializeAddOn. False, with the reason, when the file is no add-on.
    bool Start(const std::string& path, std::string& error);

    bool IsLoaded() const { return library.IsLoaded(); }
    bool IsReleased() const { return journal.released; }

    // Calls the handler bound to menu `menuId` with item `item`. False, with the reason, when the
    // command is not available (no handler, the add-on released or unloaded) or the handler threw.
    bool ChooseMenuCommand(std::int16_t menuId, std::int16_t item, std::string& error);
    // Whether menu `menuId` has a handler the host may call.
    bool HasMenuCommand(std::int16_t menuId) const;

    // Sends a notification to the add-on's subscription, when its mask has the bit.
    void Notify(std::int32_t notification);
    // ReleaseAddOn, once, while the add-on is loaded.
    void Release();
    // Unloads the library, released or not; its handlers are forgotten.
    void Unload();
    // What the host does when it quits: the quit notification, ReleaseAddOn, unloading.
    void Quit();

    // Called after the journal changed through a service (menus, materials, library folders).
    void SetChangeListener(std::function<void()> listener) { changeListener = std::move(listener); }

    // The services, reached through the service table.
    static AddOnHost* Serving();
    host::addon::HostResult RegisterMenu(const void* menuRecord);
    host::addon::HostResult InstallMenuHandler(void* context, std::uint16_t menuStringsId,
                                               host::addon::MenuHandlerFn handler);
    host::addon::HostResult AddLibraryFolder(void* context, std::uint32_t selector, const void* folder);
    host::addon::HostResult CreateAttribute(void* context, void* attributeRecord);
    host::addon::HostResult SubscribeNotifications(void* context, std::uint32_t mask,
                                                   host::addon::NotificationHandlerFn handler);

private:
    bool IsOwnContext(void* context) const { return context == this; }
    void Count(const char* service) { ++journal.serviceCalls[service]; }
    void Changed();

    HostJournal& journal;
    AddOnLibrary library;
    AddOnEntryPoints entryPoints;
    host::ResourceModule addOnResources = host::NoResourceModule;
    std::map<std::int16_t, host::addon::MenuHandlerFn> menuHandlers;
    host::addon::NotificationHandlerFn notificationHandler = nullptr;
    std::uint32_t notificationMask = 0;
    std::function<void()> changeListener;
};

// The 2752-byte service table with the five services this host offers; every other slot is empty.
host::addon::ServiceTable MakeServiceTable();
