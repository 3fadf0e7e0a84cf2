#pragma once

#include <memory>
#include <string>

#include "framework/Window.h"

class MenuItem;
class PrefsMenuItem;
class PropertyRecord;
class QuitMenuItem;
class TextArea;

// The "Info" window: the help text in one styled, scrollable text area, its first line
// bold. Its one menu command brings the calculator window forward.
class helpWnd : public Window {
  public:
    std::string ClassName() const override { return "helpWnd.helpWnd"; }

    void Layout() override;
    void CreateControls() override;
    virtual void CreateControls0();

    virtual std::shared_ptr<TextArea> EditField1() const;
    virtual void EditField1_Open(TextArea& area);

    virtual std::shared_ptr<MenuItem> InfoMenu() const;
    virtual std::shared_ptr<MenuItem> InfoItem() const;
    virtual std::shared_ptr<MenuItem> ControlItem() const;
    virtual std::shared_ptr<MenuItem> EditMenu() const;
    virtual std::shared_ptr<MenuItem> EditSelectAll() const;
    virtual std::shared_ptr<MenuItem> UntitledMenu0() const;
    virtual std::shared_ptr<MenuItem> EditClear() const;
    virtual std::shared_ptr<MenuItem> EditPaste() const;
    virtual std::shared_ptr<MenuItem> EditCopy() const;
    virtual std::shared_ptr<MenuItem> EditCut() const;
    virtual std::shared_ptr<MenuItem> UntitledMenu1() const;
    virtual std::shared_ptr<MenuItem> EditUndo() const;
    virtual std::shared_ptr<MenuItem> FileMenu() const;
    virtual std::shared_ptr<PrefsMenuItem> AboutItem() const;
    virtual std::shared_ptr<QuitMenuItem> FileQuit() const;

    void AddMenuHandlers(Window& window) override;
    virtual bool ControlItem_Action();

    static const PropertyRecord& WindowRecord();
    // The text area's record, the help text included.
    static const PropertyRecord& EditField1Record();
};

// The help window's single instance, created on first use.
std::shared_ptr<class helpWnd> helpWnd();
