#include "addon/shell/ModuleLifecycle.h"

#include "addon/HostServices.h"
#include "host/DebugOutput.h"
#include "host/Resources.h"
#include "host/Windows.h"
#include "loading/ModuleLocation.h"
#include "widgets/AddOnResourceModule.h"

#include <string>
#include <xercesc/util/PlatformUtils.hpp>

const void* moduleInstance = nullptr;

namespace {

bool xmlParserStarted = false;

} // namespace

void AttachModule(const void* instance) {
    host::RegisterWindowMessageA("commdlg_FileNameOK");
    moduleInstance = instance;
    ComputeModulePath(moduleInstance);
    addOnResourceModule = host::RegisterResourceModule(moduleInstance);
}

void DetachModule() {
    if (addOnResourceModule != host::NoResourceModule) {
        host::RemoveResourceModule(addOnResourceModule);
        addOnResourceModule = host::NoResourceModule;
    }
    if (HostContext != nullptr) {
        const std::string line = std::string("Abnormal add-on termination (\"") + modulePath + "\")\n";
        host::DebugOutput(line.c_str());
        HostContext = nullptr;
    }
    if (xmlParserStarted) {
        xercesc::XMLPlatformUtils::Terminate();
        xmlParserStarted = false;
    }
}

bool StartXmlParser() {
    if (!xmlParserStarted) {
        try {
            xercesc::XMLPlatformUtils::Initialize();
            xmlParserStarted = true;
        } catch (const xercesc::XMLException&) {
        }
    }
    return xmlParserStarted;
}
