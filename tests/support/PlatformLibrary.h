#pragma once

namespace testsupport {

// An address inside the platform library itself: the table of virtual functions of a drawing
// context it made. (A function's address, taken in a test program, may be the program's own
// stub for calling it.)
const void* AddressInsidePlatformLibrary();

} // namespace testsupport
