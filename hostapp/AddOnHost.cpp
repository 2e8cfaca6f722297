#include "hostapp/AddOnHost.h"

#include "export/MaterialRecord.h"
#include "host/CodePage.h"
#include "host/FileLocation.h"

#include <cstring>
#include <filesystem>
#include <system_error>

using namespace host::addon;

namespace {

AddOnHost* servingHost = nullptr;

// The items of a string list of `module`, in UTF-8, until the first missing one.
std::vector<std::string> ReadStringList(host::ResourceModule module, std::int32_t listId) {
    const host::ResourceModuleScope scope(module);
    std::vector<std::string> items;
    std::string item;
    while (host::GetResourceString(item, listId, static_cast<std::int32_t>(items.size()) + 1)) {
        items.push_back(host::ToUtf8(item, host::CodePage::CentralEuropean));
    }
    return items;
}

// A NUL-terminated 8-bit text inside a field of `size` bytes; the field's end ends it at the latest.
std::string FieldText(const std::byte* field, std::size_t size) {
    const char* text = reinterpret_cast<const char*>(field);
    return std::string(text, ::strnlen(text, size));
}

std::string AbsolutePath(const std::string& path) {
    std::error_code error;
    std::filesystem::path absolute =
        std::filesystem::weakly_canonical(std::filesystem::absolute(path), error);
    return error ? path : absolute.string();
}

} // namespace

AddOnHost::AddOnHost(HostJournal& journal) : journal(journal) {
    servingHost = this;
}

AddOnHost::~AddOnHost() {
    Unload();
    if (servingHost == this) {
        servingHost = nullptr;
    }
}

AddOnHost* AddOnHost::Serving() {
    return servingHost;
}

bool AddOnHost::Start(const std::string& path, std::string& error) {
    journal.libraryPath = AbsolutePath(path);
    if (!library.Load(journal.libraryPath, error)) {
        return false;
    }
    if (!library.FetchEntryPoints(entryPoints, error)) {
        library.Unload();
        return false;
    }
    addOnResources = host::RegisterResourceModule(library.GetInstance());

    const auto serviceTable = MakeServiceTable();
    if (library.HandOverServices(serviceTable.data()) != 0) {
        error = "the add-on refused the service table";
        Unload();
        return false;
    }

    std::array<std::byte, DescriptionRecordSize> description{};
    journal.results.describe = entryPoints.describe(description.data());
    journal.name = host::ToUtf8(
        FieldText(description.data() + DescriptionNameOffset, DescriptionTextOffset - DescriptionNameOffset),
        host::CodePage::CentralEuropean);
    journal.description =
        host::ToUtf8(FieldText(description.data() + DescriptionTextOffset, DescriptionTextSize),
                     host::CodePage::CentralEuropean);

    journal.results.registerMenu = entryPoints.registerMenu();
    journal.results.initialize = entryPoints.initialize(this, nullptr);
    Changed();
    return true;
}

bool AddOnHost::HasMenuCommand(std::int16_t menuId) const {
    return library.IsLoaded() && !journal.released && menuHandlers.contains(menuId);
}

bool AddOnHost::ChooseMenuCommand(std::int16_t menuId, std::int16_t item, std::string& error) {
    if (!library.IsLoaded()) {
        error = "the add-on is not loaded";
        return false;
    }
    if (journal.released) {
        error = "the add-on has been released";
        return false;
    }
    const auto found = menuHandlers.find(menuId);
    if (found == menuHandlers.end()) {
        error = "the add-on installed no handler for menu " + std::to_string(menuId);
        return false;
    }
    const MenuParams params{menuId, item};
    try {
        found->second(&params);
    } catch (const std::exception& exception) {
        error = std::string("the add-on's menu command failed: ") + exception.what();
        return false;
    }
    return true;
}

void AddOnHost::Notify(std::int32_t notification) {
    if (!library.IsLoaded() || journal.released || notificationHandler == nullptr ||
        (notificationMask & static_cast<std::uint32_t>(notification)) == 0) {
        return;
    }
    journal.notifications.push_back({notification, notificationHandler(notification, 0)});
}

void AddOnHost::Release() {
    if (!library.IsLoaded() || journal.released) {
        return;
    }
    journal.results.release = entryPoints.release(nullptr);
    journal.released = true;
}

void AddOnHost::Unload() {
    if (!library.IsLoaded()) {
        return;
    }
    menuHandlers.clear();
    notificationHandler = nullptr;
    notificationMask = 0;
    entryPoints = {};
    if (addOnResources != host::NoResourceModule) {
        host::RemoveResourceModule(addOnResources);
        addOnResources = host::NoResourceModule;
    }
    library.Unload();
    journal.unloaded = true;
    Changed();
}

void AddOnHost::Quit() {
    Notify(HostWillQuit);
    Release();
    Unload();
}

void AddOnHost::Changed() {
    if (changeListener) {
        changeListener();
    }
}

HostResult AddOnHost::RegisterMenu(const void* menuRecord) {
    Count("RegisterMenu");
    if (menuRecord == nullptr) {
        return HostErrBadRecord;
    }
    HostMenu menu;
    std::memcpy(&menu.menuStringsId, menuRecord, sizeof menu.menuStringsId);
    std::memcpy(&menu.promptStringsId, static_cast<const std::byte*>(menuRecord) + 2,
                sizeof menu.promptStringsId);
    menu.texts = ReadStringList(addOnResources, menu.menuStringsId);
    menu.prompts = ReadStringList(addOnResources, menu.promptStringsId);
    // A menu needs its title and at least one command.
    if (menu.texts.size() < 2) {
        return HostErrNoSuchMenu;
    }
    std::erase_if(journal.menus,
                  [&](const HostMenu& old) { return old.menuStringsId == menu.menuStringsId; });
    journal.menus.push_back(std::move(menu));
    Changed();
    return 0;
}

HostResult AddOnHost::InstallMenuHandler(void* context, std::uint16_t menuStringsId, MenuHandlerFn handler) {
    Count("InstallMenuHandler");
    if (!IsOwnContext(context)) {
        return HostErrBadContext;
    }
    if (handler == nullptr) {
        return HostErrBadRecord;
    }
    menuHandlers[static_cast<std::int16_t>(menuStringsId)] = handler;
    Changed();
    return 0;
}

HostResult AddOnHost::AddLibraryFolder(void* context, std::uint32_t selector, const void* folder) {
    Count("AddLibraryFolder");
    if (!IsOwnContext(context)) {
        return HostErrBadContext;
    }
    if (selector != LibraryFolderSelector) {
        return HostErrBadSelector;
    }
    host::UniString path;
    if (folder == nullptr || static_cast<const host::FileLocation*>(folder)->GetPathString(path) != 0) {
        return HostErrBadRecord;
    }
    if (std::find(journal.libraryFolders.begin(), journal.libraryFolders.end(), path.ToStdString()) ==
        journal.libraryFolders.end()) {
        journal.libraryFolders.push_back(path.ToStdString());
    }
    Changed();
    return 0;
}

HostResult AddOnHost::CreateAttribute(void* context, void* attributeRecord) {
    Count("CreateAttribute");
    if (!IsOwnContext(context)) {
        return HostErrBadContext;
    }
    if (attributeRecord == nullptr) {
        return HostErrBadRecord;
    }
    MaterialRecord record;
    std::memcpy(&record, attributeRecord, sizeof record);
    if (record.kind != MaterialKind) {
        return HostErrBadRecord;
    }
    HostMaterial material;
    material.name = FieldText(reinterpret_cast<const std::byte*>(record.name), sizeof record.name);
    for (std::size_t i = 0; i < material.surface.size(); ++i) {
        material.surface[i] = record.surfaceColour[i];
    }
    material.textureSwitch = record.textureSwitch;
    if (record.textureSwitch == TextureSwitchFile && record.texture.location != nullptr) {
        host::UniString path;
        if (record.texture.location->GetPathString(path) == 0) {
            material.texture = path.ToStdString();
        }
    }
    journal.materials.push_back(std::move(material));
    Changed();
    return 0;
}

HostResult AddOnHost::SubscribeNotifications(void* context, std::uint32_t mask,
                                             NotificationHandlerFn handler) {
    Count("SubscribeNotifications");
    if (!IsOwnContext(context)) {
        return HostErrBadContext;
    }
    if (handler == nullptr) {
        return HostErrBadRecord;
    }
    notificationHandler = handler;
    notificationMask = mask;
    return 0;
}
