#include <gtest/gtest.h>

#include <cstdlib>

#include "host/toolkit/ToolkitTest.h"
#include "host/AlertBox.h"
#include "host/ModalDialog.h"

namespace {

// Without a display the toolkit does not start, and dialogs, alerts and loops do nothing. Runs in a
// fresh process, since the toolkit starts once per process.
TEST(ToolkitInit, WithoutADisplayNothingOpens) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            ::unsetenv("DISPLAY");
            ::unsetenv("WAYLAND_DISPLAY");
            bool ok = !host::InitToolkit() && !host::InitToolkit();
            host::ModalDialog dialog(toolkit_test::SampleTemplate());
            ok = ok && !dialog.IsValid() && !dialog.Invoke();
            ok = ok && host::Alert(host::AlertType::Error, "a", "b", "", "Yes", "No") == 2;
            host::ProcessPendingEvents();
            ok = ok && host::FlushRedraws(10);
            std::exit(ok ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

} // namespace
