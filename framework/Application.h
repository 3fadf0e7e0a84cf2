#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "framework/MenuBar.h"

// The application object: one per process, registered with the runtime at start-up.
class Application : public std::enable_shared_from_this<Application> {
  public:
    Application();
    virtual ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    virtual void Constructor() {}

    void _x_SetVersionData(std::int64_t major, std::int64_t minor, std::int64_t bug,
                           std::int64_t nonRelease, std::int64_t stageCode,
                           const std::string& longVersion, const std::string& shortVersion,
                           const std::string& packageInfo);
    std::int64_t MajorVersion() const { return major_; }
    std::int64_t MinorVersion() const { return minor_; }
    std::int64_t BugVersion() const { return bug_; }
    std::int64_t NonReleaseVersion() const { return nonRelease_; }
    std::int64_t StageCode() const { return stageCode_; }
    const std::string& LongVersion() const { return longVersion_; }
    const std::string& ShortVersion() const { return shortVersion_; }
    const std::string& PackageInfo() const { return packageInfo_; }

    // The application's menu bar; its shortcuts also serve windows that show none.
    void MenuBar(std::shared_ptr<::MenuBar> bar);
    std::shared_ptr<::MenuBar> MenuBar() const { return menuBar_; }

  private:
    std::int64_t major_ = 0, minor_ = 0, bug_ = 0, nonRelease_ = 0, stageCode_ = 0;
    std::string longVersion_, shortVersion_, packageInfo_;
    std::shared_ptr<::MenuBar> menuBar_;
};

// The registered application object, or none.
std::shared_ptr<Application> App();
