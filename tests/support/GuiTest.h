#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/Dialogs.h"
#include "framework/Picture.h"
#include "framework/TestSupport.h"

// A message box or beep that no test asked for fails the test at once instead of
// blocking the run on a modal box.
class UnexpectedModalGuard : public testing::Environment {
  public:
    static void Install() {
        SetMsgBoxHandler([](const std::string& message) {
            ADD_FAILURE() << "unexpected message box: " << message;
        });
        SetBeepHandler([] { ADD_FAILURE() << "unexpected beep"; });
    }
    void SetUp() override { Install(); }
};

// Records message boxes and beeps for the test that owns it.
class DialogRecorder {
  public:
    DialogRecorder() {
        SetMsgBoxHandler([this](const std::string& message) { messages.push_back(message); });
        SetBeepHandler([this] { ++beeps; });
    }
    ~DialogRecorder() { UnexpectedModalGuard::Install(); }
    DialogRecorder(const DialogRecorder&) = delete;
    DialogRecorder& operator=(const DialogRecorder&) = delete;

    std::vector<std::string> messages;
    int beeps = 0;
};

// Base fixture of the GUI tests: every test starts from a runtime with no window,
// no application object and no pending quit, pictures read from the build's
// resources folder, and leaves it so.
class GuiTest : public testing::Test {
  protected:
    void SetUp() override {
        ResetRuntimeForTesting();
        UnexpectedModalGuard::Install();
        Picture::SetResourcesFolder(VQ_TEST_RESOURCES_DIR);
    }
    void TearDown() override {
        ResetRuntimeForTesting();
        UnexpectedModalGuard::Install();
    }
};
