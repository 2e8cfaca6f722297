#pragma once

#include "support/TempFolder.h"

// Switches the process's numbers to a locale that writes "0,6": Hungarian, as the add-on's users
// have it. `folder` may take a locale compiled for the test. False when there is no such locale.
bool UseDecimalCommaLocale(const testsupport::TempFolder& folder);
