#include "addon/shell/EntryPoints.h"

#include "addon/HostServices.h"
#include "addon/shell/AddOnIds.h"
#include "addon/shell/MenuCommand.h"
#include "addon/shell/ModuleLifecycle.h"
#include "catalogue/TNData.h"
#include "host/Resources.h"
#include "widgets/AddOnResourceModule.h"

#include <algorithm>
#include <cstring>
#include <string>

using namespace host::addon;

namespace {

constexpr std::size_t DescriptionNameSize = DescriptionTextOffset - DescriptionNameOffset;

// Copies item `item` of the description list into a field of `size` bytes, always NUL-terminated.
void CopyDescriptionText(std::byte* record, std::size_t offset, std::size_t size, std::int32_t item) {
    std::string text;
    host::GetResourceString(text, DescriptionStringsId, item);
    const std::size_t length = std::min(text.size(), size - 1);
    std::memcpy(record + offset, text.data(), length);
    record[offset + length] = std::byte{0};
}

} // namespace

HostResult DescribeAddOn(void* descriptionRecord) {
    if (!hostServiceTableReceived) {
        return 0;
    }
    if (descriptionRecord != nullptr) {
        const host::ResourceModuleScope resources(addOnResourceModule);
        auto* record = static_cast<std::byte*>(descriptionRecord);
        CopyDescriptionText(record, DescriptionNameOffset, DescriptionNameSize, 1);
        CopyDescriptionText(record, DescriptionTextOffset, DescriptionTextSize, 2);
    }
    return DescribeAddOnAnswer;
}

HostResult RegisterAddOnMenu() {
    if (!hostServiceTableReceived) {
        return ErrNotInitialized;
    }
    return RegisterMenu(MenuStringsId, PromptStringsId);
}

HostResult InitializeAddOn(void* hostContext, void*) {
    if (!hostServiceTableReceived) {
        return ErrNotInitialized;
    }
    HostContext = hostContext;
    const HostResult menuResult = InstallMenuHandler(MenuStringsId, OnMenuCommand);
    if (StartXmlParser()) {
        GetTNData().Load();
    }
    const HostResult notificationResult = SubscribeNotifications(AllNotifications, OnHostNotification);
    return menuResult | notificationResult;
}

HostResult ReleaseAddOn(void*) {
    if (!hostServiceTableReceived) {
        return ErrNotInitialized;
    }
    GetTNData().ReleaseCatalogue();
    HostContext = nullptr;
    return 0;
}
