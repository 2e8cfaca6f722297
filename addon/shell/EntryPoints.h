#pragma once

// The four entry points the host calls through the entry-point record, in this order:
// DescribeAddOn, RegisterAddOnMenu, InitializeAddOn, and at the end ReleaseAddOn. All run on the
// host's user-interface thread, one at a time. Until the service table has arrived they do nothing
// and answer ErrNotInitialized (DescribeAddOn: 0).

#include "host/AddOnInterface.h"

// Writes the add-on's name at byte 128 and its description at byte 384 of the host's description
// record (8-bit texts, cut to their fields), read from the add-on's own string list 32000 with its
// resource module active. Answers 2.
host::addon::HostResult DescribeAddOn(void* descriptionRecord);

// Asks the host for the menu of string lists 32500 (texts) and 32520 (prompts); answers exactly
// what the host answers.
host::addon::HostResult RegisterAddOnMenu();

// Keeps `hostContext` for every later host call, installs the menu handler, loads the catalogue
// (a failed load leaves an empty catalogue and does not fail initialisation) and subscribes to the
// host's notifications. Answers the two host results OR-ed together.
host::addon::HostResult InitializeAddOn(void* hostContext, void* reserved);

// Deletes the catalogue and forgets the host context; answers 0. Nothing of the add-on runs
// afterwards except the detach work when the host unloads the library.
host::addon::HostResult ReleaseAddOn(void* reserved);
