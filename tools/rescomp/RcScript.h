#pragma once

#include "host/std/ResourceBlob.h"

#include <string>
#include <vector>

// The resources as a Windows resource script, for windres to link into a module as PE resources:
// each one a resource of its own, named by its id, of the type its four characters spell ('STRS'
// as type "STRS"), its bytes written out in the script. The version block goes in once more as
// the module's VERSIONINFO.
std::string RcScript(const std::vector<host::ResourceBlob::Resource>& resources);
