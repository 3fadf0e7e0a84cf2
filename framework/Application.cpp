#include "framework/Application.h"

#include "framework/UiThread.h"

Application::Application() = default;
Application::~Application() = default;

void Application::_x_SetVersionData(std::int64_t major, std::int64_t minor, std::int64_t bug,
                                    std::int64_t nonRelease, std::int64_t stageCode,
                                    const std::string& longVersion, const std::string& shortVersion,
                                    const std::string& packageInfo) {
    major_ = major;
    minor_ = minor;
    bug_ = bug;
    nonRelease_ = nonRelease;
    stageCode_ = stageCode;
    longVersion_ = longVersion;
    shortVersion_ = shortVersion;
    packageInfo_ = packageInfo;
}

void Application::MenuBar(std::shared_ptr<::MenuBar> bar) {
    CheckUIThread();
    menuBar_ = std::move(bar);
}
