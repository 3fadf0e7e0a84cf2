#pragma once

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <iostream>

// Runs the scenario in this process and ends it: status 0 when no check failed. The
// checks' messages go to the error output, since a death test's process prints none.
[[noreturn]] inline void RunScenarioAndExit(const std::function<void()>& scenario) {
    testing::TestPartResultArray results;
    {
        testing::ScopedFakeTestPartResultReporter reporter(
            testing::ScopedFakeTestPartResultReporter::INTERCEPT_ALL_THREADS, &results);
        scenario();
    }
    int failures = 0;
    for (int i = 0; i < results.size(); ++i) {
        const auto& result = results.GetTestPartResult(i);
        if (result.failed()) {
            ++failures;
            std::cerr << (result.file_name() ? result.file_name() : "?") << ":"
                      << result.line_number() << ": " << result.message() << "\n";
        }
    }
    std::cerr.flush();
    std::fflush(nullptr);
    std::_Exit(failures == 0 ? 0 : 1);
}

// Runs the scenario in a new process of this test program, started afresh, for state
// that lives as long as the process (the picture caches, the shared menu bar), so the
// scenario sees it as the program does at start whatever tests ran before.
inline void InFreshProcess(const std::function<void()>& scenario) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(RunScenarioAndExit(scenario), testing::ExitedWithCode(0), "");
}
