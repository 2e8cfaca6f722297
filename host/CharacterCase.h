#pragma once

namespace host {

// The lower-case form of one character, by the system's Unicode tables; the character itself
// when it has none (ASCII letters alone where the system has no such tables).
char32_t LowerCaseOf(char32_t code);

} // namespace host
