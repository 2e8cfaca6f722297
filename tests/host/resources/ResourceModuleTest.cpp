#include "AddOnResources.h"
#include "host/ResourceTypes.h"
#include "support/PlatformLibrary.h"

namespace {

TEST(ResourceModules, AModuleWithoutResourcesIsRefused) {
    // The platform library holds no resources of its own.
    EXPECT_EQ(host::RegisterResourceModule(testsupport::AddressInsidePlatformLibrary()), host::NoResourceModule);
}

TEST(ResourceModules, RegisteringLeavesTheActiveModuleAndUseAnswersThePrevious) {
    const host::ResourceModule before = host::GetActiveResourceModule();
    const host::ResourceModule first = host::RegisterResourceModule(nullptr);
    const host::ResourceModule second = host::RegisterResourceModule(nullptr);
    ASSERT_NE(first, host::NoResourceModule);
    ASSERT_NE(second, host::NoResourceModule);
    EXPECT_NE(first, second);
    EXPECT_EQ(host::GetActiveResourceModule(), before);

    EXPECT_EQ(host::UseResourceModule(first), before);
    EXPECT_EQ(host::UseResourceModule(second), first);
    EXPECT_EQ(host::GetActiveResourceModule(), second);
    EXPECT_EQ(host::UseResourceModule(before), second);

    host::RemoveResourceModule(first);
    host::RemoveResourceModule(second);
}

TEST(ResourceModules, ScopesRestoreThePreviousModuleInNestingOrder) {
    const host::ResourceModule module = host::RegisterResourceModule(nullptr);
    ASSERT_NE(module, host::NoResourceModule);
    const host::ResourceModule outside = host::GetActiveResourceModule();
    {
        host::ResourceModuleScope outer(module);
        EXPECT_EQ(host::GetActiveResourceModule(), module);
        {
            host::ResourceModuleScope inner(host::NoResourceModule);
            EXPECT_EQ(host::GetActiveResourceModule(), host::NoResourceModule);
        }
        EXPECT_EQ(host::GetActiveResourceModule(), module);
    }
    EXPECT_EQ(host::GetActiveResourceModule(), outside);
    host::RemoveResourceModule(module);
}

TEST(ResourceModules, ARemovedModuleFindsNothingEvenWhileActive) {
    const host::ResourceModule module = host::RegisterResourceModule(nullptr);
    ASSERT_NE(module, host::NoResourceModule);
    host::ResourceModuleScope scope(module);
    std::string text;
    ASSERT_TRUE(host::GetResourceString(text, 32000, 1));
    host::RemoveResourceModule(module);
    EXPECT_FALSE(host::GetResourceString(text, 32000, 1));
    EXPECT_EQ(host::LoadResource(host::DataResource, 32620), nullptr);
    host::RemoveResourceModule(module);
}

TEST_F(AddOnResources, LoadedResourcesAreCopiesOwnedByTheCaller) {
    const host::MemHandle first = host::LoadResource(host::StringListResource, 32000);
    const host::MemHandle second = host::LoadResource(host::StringListResource, 32000);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(host::GetHandleData(first), host::GetHandleData(second));
    host::GetHandleData(first)[4] = 'X';
    std::string text;
    ASSERT_TRUE(host::GetResourceString(text, 32000, 1));
    EXPECT_EQ(text[0], 'T');
    host::DisposeHandle(first);
    host::DisposeHandle(second);
    EXPECT_EQ(host::LoadResource(host::DataResource, 32621), nullptr);
    EXPECT_EQ(host::LoadResource(host::StringListResource, 32620), nullptr);
}

} // namespace
