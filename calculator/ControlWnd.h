#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "calculator/HaitovskyCalculation.h"
#include "framework/Canvas.h"
#include "framework/Label.h"
#include "framework/PushButton.h"
#include "framework/TextField.h"
#include "framework/Window.h"
#include "shell/MenuBar1Window.h"

// The calculator window: three input fields (k, n, the determinant), three result
// fields (H, df, p) that stay hidden until a calculation succeeds, and the buttons
// "Calculate", "Clear" and "?", which act on mouse-down only. One window exists at a
// time; it is reached through the accessor ControlWnd() below.
class ControlWnd : public MenuBar1Window {
  public:
    std::string ClassName() const override { return "ControlWnd.ControlWnd"; }

    // Construction events: the shared menu bar and the window record, then the controls.
    void Layout() override;
    void CreateControls() override;
    // Creates the sixteen controls from their records and attaches their handlers.
    virtual void CreateControls0();

    // The controls, looked up by name on every call.
    virtual std::shared_ptr<TextField> kFld() const;
    virtual std::shared_ptr<Label> RxxText() const;
    virtual std::shared_ptr<PushButton> clearBtn() const;
    virtual std::shared_ptr<PushButton> helpBtn() const;
    virtual std::shared_ptr<PushButton> calcBtn() const;
    virtual std::shared_ptr<Label> RxxText1() const;
    virtual std::shared_ptr<TextField> nFld() const;
    virtual std::shared_ptr<Label> RxxText2() const;
    virtual std::shared_ptr<TextField> detFld() const;
    virtual std::shared_ptr<Label> hLabel() const;
    virtual std::shared_ptr<TextField> hFld() const;
    virtual std::shared_ptr<Label> dfLabel() const;
    virtual std::shared_ptr<TextField> dfFld() const;
    virtual std::shared_ptr<Label> pLabel() const;
    virtual std::shared_ptr<TextField> pFld() const;
    virtual std::shared_ptr<Canvas> Canvas1() const;

    // Control events. Key filters return true when they consume (refuse) the key;
    // the mouse-down handlers always return false, so the button still draws its press.
    virtual bool kFld_KeyDown(TextField& field, const std::string& key);
    virtual bool clearBtn_MouseDown(PushButton& button, std::int64_t x, std::int64_t y);
    virtual bool helpBtn_MouseDown(PushButton& button, std::int64_t x, std::int64_t y);
    virtual bool calcBtn_MouseDown(PushButton& button, std::int64_t x, std::int64_t y);
    virtual bool nFld_KeyDown(TextField& field, const std::string& key);
    virtual bool detFld_KeyDown(TextField& field, const std::string& key);
    virtual bool hFld_KeyDown(TextField& field, const std::string& key);
    virtual bool dfFld_KeyDown(TextField& field, const std::string& key);
    virtual bool pFld_KeyDown(TextField& field, const std::string& key);

    // Registers the handlers of "FileQuit", "InfoItem" and "AboutItem".
    void AddMenuHandlers(Window& window) override;
    // Closing the calculator ends the application.
    void Event_Close() override;
    // Menu commands; true when handled.
    virtual bool FileQuit_Action();
    virtual bool InfoItem_Action();
    virtual bool AboutItem_Action();

  private:
    // The field in which the input is typed.
    std::shared_ptr<TextField> FieldOf(Input input) const;
};

// The one calculator window, created with its controls at the first call.
std::shared_ptr<class ControlWnd> ControlWnd();
