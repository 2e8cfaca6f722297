#pragma once

#include "host/AlertBox.h"
#include "host/DebugOutput.h"
#include "host/Windows.h"
#include "hostapp/HostJournal.h"

// Records in the journal what the add-on does through the shared platform: debug output (also
// echoed to the standard error stream), alert boxes and web links. Unattended, alerts are answered
// with their first button and web links are not opened; otherwise both go on to the person at the
// screen. Installs its receivers for its own lifetime and restores the previous ones afterwards.
class PlatformRecorder {
public:
    PlatformRecorder(HostJournal& journal, bool unattended);
    ~PlatformRecorder();
    PlatformRecorder(const PlatformRecorder&) = delete;
    PlatformRecorder& operator=(const PlatformRecorder&) = delete;

private:
    std::int16_t Answer(const host::AlertRequest& request);
    bool Open(std::string_view address);

    HostJournal& journal;
    bool unattended;
    host::DebugOutputSink previousSink;
    host::AlertResponder previousResponder;
    host::ShellOpenHandler previousOpenHandler;
};
