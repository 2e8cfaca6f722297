#include "FakeHost.h"

#include "host/FileLocation.h"

using namespace host::addon;

namespace {

FakeHost* current = nullptr;

HostResult RegisterMenuService(const void* record) {
    const auto* bytes = static_cast<const std::byte*>(record);
    current->menuRecord.assign(bytes, bytes + MenuRecordSize);
    ++current->registerMenuCalls;
    return current->answers.registerMenu;
}

HostResult InstallMenuHandlerService(void* context, std::uint16_t id, MenuHandlerFn handler) {
    current->menuContext = context;
    current->menuId = id;
    current->menuHandler = handler;
    return current->answers.installMenuHandler;
}

HostResult AddLibraryFolderService(void*, std::uint32_t selector, const void* folder, std::intptr_t,
                                   std::intptr_t) {
    host::UniString path;
    static_cast<const host::FileLocation*>(folder)->GetPathString(path);
    current->libraryFolders.push_back(path.ToStdString());
    current->librarySelectors.push_back(selector);
    return 0;
}

HostResult CreateAttributeService(void*, void*, void*) {
    ++current->createAttributeCalls;
    return 0;
}

HostResult SubscribeService(void* context, std::uint32_t mask, NotificationHandlerFn handler) {
    current->notificationContext = context;
    current->notificationMask = mask;
    current->notificationHandler = handler;
    return current->answers.subscribe;
}

} // namespace

FakeHost::FakeHost() {
    current = this;
}

FakeHost::~FakeHost() {
    current = nullptr;
}

ServiceTable FakeHost::Table() const {
    return BuildServiceTable({RegisterMenuService, InstallMenuHandlerService, AddLibraryFolderService,
                              CreateAttributeService, SubscribeService});
}
