#pragma once

// The add-on's menu command and the handlers it installs with the host. Both handlers are called
// by the host on its user-interface thread, between InitializeAddOn and ReleaseAddOn.

#include "host/AddOnInterface.h"

#include <cstdint>

class TNData;

// Runs the colour chooser when the record names menu 32500; answers 0 for every record. The one
// exception that may leave it is the foundation library's out-of-memory exception, raised when the
// dialog cannot be built.
host::addon::HostResult OnMenuCommand(const host::addon::MenuParams* params);

// Ignores every notification; answers 0.
host::addon::HostResult OnHostNotification(std::int32_t notification, std::intptr_t parameter);

// Runs the colour chooser dialog over `store` modally, with the add-on's resource module active.
// After an accepted run whose export wrote texture files, asks the host to load the texture
// library folder.
void RunColourChooser(TNData& store);
