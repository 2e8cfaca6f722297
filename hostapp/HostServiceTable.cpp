// The service table the host hands to its add-on: each service reaches the host that serves it.

#include "hostapp/AddOnHost.h"

using namespace host::addon;

namespace {

HostResult RegisterMenuService(const void* menuRecord) {
    AddOnHost* host = AddOnHost::Serving();
    return host != nullptr ? host->RegisterMenu(menuRecord) : HostErrBadContext;
}

HostResult InstallMenuHandlerService(void* context, std::uint16_t menuStringsId, MenuHandlerFn handler) {
    AddOnHost* host = AddOnHost::Serving();
    return host != nullptr ? host->InstallMenuHandler(context, menuStringsId, handler) : HostErrBadContext;
}

HostResult AddLibraryFolderService(void* context, std::uint32_t selector, const void* folder, std::intptr_t,
                                   std::intptr_t) {
    AddOnHost* host = AddOnHost::Serving();
    return host != nullptr ? host->AddLibraryFolder(context, selector, folder) : HostErrBadContext;
}

HostResult CreateAttributeService(void* context, void* attributeRecord, void*) {
    AddOnHost* host = AddOnHost::Serving();
    return host != nullptr ? host->CreateAttribute(context, attributeRecord) : HostErrBadContext;
}

HostResult SubscribeNotificationsService(void* context, std::uint32_t mask, NotificationHandlerFn handler) {
    AddOnHost* host = AddOnHost::Serving();
    return host != nullptr ? host->SubscribeNotifications(context, mask, handler) : HostErrBadContext;
}

} // namespace

ServiceTable MakeServiceTable() {
    return BuildServiceTable({RegisterMenuService, InstallMenuHandlerService, AddLibraryFolderService,
                              CreateAttributeService, SubscribeNotificationsService});
}
