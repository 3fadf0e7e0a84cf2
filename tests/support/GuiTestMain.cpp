// Entry of every GUI test program: one Qt application for the whole run, on the
// offscreen platform, and no real modal box or sound ever.
#include <gtest/gtest.h>

#include <cstdlib>

#include "framework/Dialogs.h"
#include "framework/Runtime.h"
#include "tests/support/GuiTest.h"

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    testing::InitGoogleTest(&argc, argv);
    RuntimeInit();
    testing::AddGlobalTestEnvironment(new UnexpectedModalGuard);
    const int status = RUN_ALL_TESTS();
    RuntimePerformFinalizers();
    return status;
}
