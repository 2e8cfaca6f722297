#pragma once

#include <string>

namespace host {

// The full path of the library or program that holds the address `instance` (null: the program);
// empty when no module holds it.
std::string ModulePath(const void* instance);

} // namespace host
