#pragma once

#include "hostapp/DialogRunWatch.h"
#include "hostapp/HostJournal.h"
#include "hostapp/Script.h"

#include <string>

class AddOnHost;

// Runs a script with nobody at the screen: host commands on the host, and the commands after each
// "menu" on the dialog the add-on opens, while its modal run goes on.
class ScriptRunner {
public:
    ScriptRunner(AddOnHost& host, HostJournal& journal) : host(host), journal(journal), runWatch(journal) {}

    // Runs the commands in order. At the first one that cannot be carried out, stops with
    // "line N: ..." in `error` and answers false; an open dialog is then closed without acceptance.
    bool Run(const Script& script, std::string& error);

private:
    bool RunDialog(const Script& script, std::size_t menuIndex, std::size_t endIndex, std::string& error);

    AddOnHost& host;
    HostJournal& journal;
    DialogRunWatch runWatch;
};
