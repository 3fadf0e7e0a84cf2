#include "calculator/ControlWnd.h"

#include "calculator/ControlWndRecords.h"
#include "framework/Cast.h"
#include "shell/LogoPictures.h"
#include "shell/MenuBar1.h"

void ControlWnd::Layout() {
    // The menu bar goes in before any stored property is applied.
    MenuBar(::MenuBar1());
    SetProperties(*this, ControlWndRecords::Window());
}

void ControlWnd::CreateControls() { CreateControls0(); }

// Each control is complete, its record applied and then its handler attached, before
// the next one is started.
void ControlWnd::CreateControls0() {
    AddNewControl<TextField>("kFld", ControlWndRecords::kFld())
        ->KeyDown.Attach(Delegate(this, &ControlWnd::kFld_KeyDown));
    AddNewControl<Label>("RxxText", ControlWndRecords::RxxText());
    AddNewControl<PushButton>("clearBtn", ControlWndRecords::clearBtn())
        ->MouseDown.Attach(Delegate(this, &ControlWnd::clearBtn_MouseDown));
    auto help = AddNewControl<PushButton>("helpBtn", ControlWndRecords::helpBtn());
    help->MouseDown.Attach(Delegate(this, &ControlWnd::helpBtn_MouseDown));
    // "?" alone tells a screen reader's user nothing.
    help->AccessibleDescription("Shows the help text");
    AddNewControl<PushButton>("calcBtn", ControlWndRecords::calcBtn())
        ->MouseDown.Attach(Delegate(this, &ControlWnd::calcBtn_MouseDown));
    AddNewControl<Label>("RxxText1", ControlWndRecords::RxxText1());
    AddNewControl<TextField>("nFld", ControlWndRecords::nFld())
        ->KeyDown.Attach(Delegate(this, &ControlWnd::nFld_KeyDown));
    AddNewControl<Label>("RxxText2", ControlWndRecords::RxxText2());
    AddNewControl<TextField>("detFld", ControlWndRecords::detFld())
        ->KeyDown.Attach(Delegate(this, &ControlWnd::detFld_KeyDown));
    AddNewControl<Label>("hLabel", ControlWndRecords::hLabel());
    AddNewControl<TextField>("hFld", ControlWndRecords::hFld())
        ->KeyDown.Attach(Delegate(this, &ControlWnd::hFld_KeyDown));
    AddNewControl<Label>("dfLabel", ControlWndRecords::dfLabel());
    AddNewControl<TextField>("dfFld", ControlWndRecords::dfFld())
        ->KeyDown.Attach(Delegate(this, &ControlWnd::dfFld_KeyDown));
    AddNewControl<Label>("pLabel", ControlWndRecords::pLabel());
    AddNewControl<TextField>("pFld", ControlWndRecords::pFld())
        ->KeyDown.Attach(Delegate(this, &ControlWnd::pFld_KeyDown));

    // The banner is not in the record; without its picture the area stays empty.
    auto banner = AddNewControl<Canvas>("Canvas1");
    banner->Backdrop(Veltr480());
    SetProperties(*banner, ControlWndRecords::Canvas1());
    banner->AccessibleName(kLogoAccessibleName);
}

std::shared_ptr<TextField> ControlWnd::kFld() const { return ControlByName<TextField>("kFld"); }

std::shared_ptr<Label> ControlWnd::RxxText() const { return ControlByName<Label>("RxxText"); }

std::shared_ptr<PushButton> ControlWnd::clearBtn() const {
    return ControlByName<PushButton>("clearBtn");
}

std::shared_ptr<PushButton> ControlWnd::helpBtn() const {
    return ControlByName<PushButton>("helpBtn");
}

std::shared_ptr<PushButton> ControlWnd::calcBtn() const {
    return ControlByName<PushButton>("calcBtn");
}

std::shared_ptr<Label> ControlWnd::RxxText1() const { return ControlByName<Label>("RxxText1"); }

std::shared_ptr<TextField> ControlWnd::nFld() const { return ControlByName<TextField>("nFld"); }

std::shared_ptr<Label> ControlWnd::RxxText2() const { return ControlByName<Label>("RxxText2"); }

std::shared_ptr<TextField> ControlWnd::detFld() const { return ControlByName<TextField>("detFld"); }

std::shared_ptr<Label> ControlWnd::hLabel() const { return ControlByName<Label>("hLabel"); }

std::shared_ptr<TextField> ControlWnd::hFld() const { return ControlByName<TextField>("hFld"); }

std::shared_ptr<Label> ControlWnd::dfLabel() const { return ControlByName<Label>("dfLabel"); }

std::shared_ptr<TextField> ControlWnd::dfFld() const { return ControlByName<TextField>("dfFld"); }

std::shared_ptr<Label> ControlWnd::pLabel() const { return ControlByName<Label>("pLabel"); }

std::shared_ptr<TextField> ControlWnd::pFld() const { return ControlByName<TextField>("pFld"); }

std::shared_ptr<Canvas> ControlWnd::Canvas1() const { return ControlByName<Canvas>("Canvas1"); }

// The runtime keeps the open window under its class name, so nothing is stored here.
std::shared_ptr<class ControlWnd> ControlWnd() {
    return ImplicitInstance<class ControlWnd>("ControlWnd.ControlWnd");
}
