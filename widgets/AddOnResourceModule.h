#pragma once

#include "host/Resources.h"

// The add-on's own resources as registered with the resource manager when the library is attached;
// NoResourceModule while none is registered. Made the active module around every read of them.
extern host::ResourceModule addOnResourceModule;
