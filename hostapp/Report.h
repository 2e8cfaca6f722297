#pragma once

#include "hostapp/HostJournal.h"

#include <string>

// The host's report on its add-on as a JSON document: the add-on's name, description and entry
// point results, its menus, the materials and library folders it gave the host, the alerts it
// showed, the debug output, the dialog runs, the web links it opened, the notifications it received
// and how often it called each service.
std::string FormatReport(const HostJournal& journal);
