#pragma once

#include <memory>
#include <string>

#include "framework/Window.h"
#include "shell/MenuBar1Window.h"

class PropertyRecord;
class TextArea;

// The "Info" window: the help text in one styled, scrollable text area, its first line
// bold. Its one menu command brings the calculator window forward.
class helpWnd : public MenuBar1Window {
  public:
    std::string ClassName() const override { return "helpWnd.helpWnd"; }

    void Layout() override;
    void CreateControls() override;
    virtual void CreateControls0();

    virtual std::shared_ptr<TextArea> EditField1() const;
    virtual void EditField1_Open(TextArea& area);

    void AddMenuHandlers(Window& window) override;
    virtual bool ControlItem_Action();

    static const PropertyRecord& WindowRecord();
    // The text area's record, the help text included.
    static const PropertyRecord& EditField1Record();
};

// The help window's single instance, created on first use.
std::shared_ptr<class helpWnd> helpWnd();
