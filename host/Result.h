#pragma once

#include <cstdint>

namespace host {

// Result codes of the platform libraries: 0 is success, anything else a failure.
using Result = std::int32_t;

inline constexpr Result NoError = 0;

// Codes of the file library.
inline constexpr Result FileErrBadName = -30;     // a name that cannot be a path component
inline constexpr Result FileErrNoLocation = -31;  // an empty location where a path was needed
inline constexpr Result FileErrNoName = -32;      // a location with no last name to remove or report
inline constexpr Result FileErrNotFound = -43;    // nothing at that path
inline constexpr Result FileErrIo = -36;          // the system refused to read, write or create
inline constexpr Result FileErrNotOpen = -38;     // the file object is not open
inline constexpr Result FileErrEof = -39;         // fewer bytes left in the file than were asked for
inline constexpr Result FileErrIsFolder = -44;    // a folder where a file was expected
inline constexpr Result FileErrTooLarge = -45;    // a length that does not fit the request
inline constexpr Result FileErrNotFolder = -46;   // a file where a folder was expected
inline constexpr Result FileErrAlreadyOpen = -49; // the file object is open already

} // namespace host
