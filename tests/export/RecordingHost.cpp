#include "RecordingHost.h"

#include "support/TempFolder.h"

#include "addon/HostServices.h"
#include "host/FileLocation.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

using namespace host::addon;

namespace {

RecordingHost* current = nullptr;
int contextTarget = 0;

HostResult RecordCreateAttribute(void* context, void* record, void* extension) {
    RecordingHost::Material material;
    std::memcpy(material.bytes.data(), record, material.bytes.size());
    auto* extensionBytes = static_cast<const std::byte*>(extension);
    material.extensionWasZero =
        context == &contextTarget && std::all_of(extensionBytes, extensionBytes + ExtensionRecordSize,
                                                 [](std::byte b) { return b == std::byte{0}; });
    const auto* location = FieldAt<const host::FileLocation*>(material.bytes, 400 + 552);
    if (location != nullptr) {
        host::UniString path;
        location->GetPathString(path);
        material.hasLocation = true;
        material.locationPath = path.ToStdString();
        std::error_code unknown; // a path too long to look at did not exist
        material.locationExisted = std::filesystem::exists(testsupport::Utf8Path(material.locationPath), unknown);
    }
    current->materials.push_back(material);
    return 0;
}

void InstallTable(bool recording) {
    std::vector<std::byte> table(ServiceTableSize);
    if (recording) {
        CreateAttributeFn fn = &RecordCreateAttribute;
        std::memcpy(table.data() + CreateAttributeSlot, &fn, sizeof fn);
    }
    AdoptHostServiceTable(table.data());
}

} // namespace

RecordingHost::RecordingHost() {
    current = this;
    HostContext = &contextTarget;
    InstallTable(true);
    previousResponder = host::SetAlertResponder([this](const host::AlertRequest& request) {
        alerts.push_back(request);
        return std::int16_t(1);
    });
}

RecordingHost::~RecordingHost() {
    host::SetAlertResponder(previousResponder);
    InstallTable(false);
    HostContext = nullptr;
    current = nullptr;
}
