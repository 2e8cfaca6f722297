#include "support/XercesEnvironment.h"

[[maybe_unused]] static auto* const xerces =
    ::testing::AddGlobalTestEnvironment(new testsupport::XercesEnvironment);
