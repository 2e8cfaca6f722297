#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

// The few Windows functions the add-on calls, with the Windows names and meanings.
namespace host {

// System colours: a colour value holds red in its low byte, then green, then blue. Indexes are
// GetSysColor's; the names are our own, so that they meet no macro of the system's headers.
inline constexpr int ButtonFaceColour = 15;
inline constexpr int SystemColourCount = 31;

// The colour of system element `index`; 0 for an index that names no element.
std::uint32_t GetSysColor(int index);

// For tests: GetSysColor answers `colour` for element `index`, in this process alone and until
// the overrides are dropped; the system's own colours never change. False, changing nothing, for
// an index that names no element.
bool OverrideSystemColour(int index, std::uint32_t colour);
void DropSystemColourOverrides();

// The message number for `name`, in 0xC000 to 0xFFFF: the same for names that differ only in the
// case of ASCII letters, computed from the name alone. 0 for a null or empty name.
std::uint32_t RegisterWindowMessageA(const char* name);

// The full path of the library or executable that contains the address `instance` (null: the
// executable). Copies it into `buffer` with a NUL and answers its length without the NUL. When it
// does not fit, copies size - 1 bytes and a NUL and answers size. 0 when no module contains the
// address (the buffer then holds an empty string).
std::uint32_t GetModuleFileNameA(const void* instance, char* buffer, std::uint32_t size);

// The shell's "open" of `file`, handed as it stands to the desktop's opener, as Windows opens
// whatever it is given: callers decide what may be opened. Answers a value above 32 when the
// opener took it, otherwise a shell error code: 2 for a null or empty file, 31 for another verb
// or when the opener refuses. Owner, parameters, folder and show command are accepted and not
// used.
inline constexpr int ShowNormal = 1;
std::intptr_t ShellExecuteA(void* owner, const char* verb, const char* file, const char* parameters,
                            const char* directory, int showCommand);

// Replaces what "open" does: the handler receives the file as given and answers whether it opened
// it. An empty
// handler restores the desktop's opener. Answers the handler installed before.
using ShellOpenHandler = std::function<bool(std::string_view address)>;
ShellOpenHandler SetShellOpenHandler(ShellOpenHandler handler);

} // namespace host
