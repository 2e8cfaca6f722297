#pragma once

#include <gtest/gtest.h>
#include <xercesc/util/PlatformUtils.hpp>

namespace testsupport {

// Starts the XML library once for a whole test program, as the add-on's start-up would.
// Register it with ::testing::AddGlobalTestEnvironment.
class XercesEnvironment : public ::testing::Environment {
public:
    void SetUp() override { xercesc::XMLPlatformUtils::Initialize(); }
    void TearDown() override { xercesc::XMLPlatformUtils::Terminate(); }
};

} // namespace testsupport
