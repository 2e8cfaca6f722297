#pragma once

#include "host/Result.h"

// The add-on's own failure code: the catalogue or one of its files cannot be read.
inline constexpr host::Result TNErrCannotRead = -7003;
