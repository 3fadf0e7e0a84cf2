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
    AddNewControl<TextField>("kFld");
    SetProperties(*ControlByName<TextField>("kFld"), ControlWndRecords::kFld());
    ControlByName<TextField>("kFld")->KeyDown.Attach(Delegate(this, &ControlWnd::kFld_KeyDown));

    AddNewControl<Label>("RxxText");
    SetProperties(*ControlByName<Label>("RxxText"), ControlWndRecords::RxxText());

    AddNewControl<PushButton>("clearBtn");
    SetProperties(*ControlByName<PushButton>("clearBtn"), ControlWndRecords::clearBtn());
    ControlByName<PushButton>("clearBtn")
        ->MouseDown.Attach(Delegate(this, &ControlWnd::clearBtn_MouseDown));

    AddNewControl<PushButton>("helpBtn");
    SetProperties(*ControlByName<PushButton>("helpBtn"), ControlWndRecords::helpBtn());
    ControlByName<PushButton>("helpBtn")->MouseDown.Attach(
        Delegate(this, &ControlWnd::helpBtn_MouseDown));

    AddNewControl<PushButton>("calcBtn");
    SetProperties(*ControlByName<PushButton>("calcBtn"), ControlWndRecords::calcBtn());
    ControlByName<PushButton>("calcBtn")->MouseDown.Attach(
        Delegate(this, &ControlWnd::calcBtn_MouseDown));

    AddNewControl<Label>("RxxText1");
    SetProperties(*ControlByName<Label>("RxxText1"), ControlWndRecords::RxxText1());

    AddNewControl<TextField>("nFld");
    SetProperties(*ControlByName<TextField>("nFld"), ControlWndRecords::nFld());
    ControlByName<TextField>("nFld")->KeyDown.Attach(Delegate(this, &ControlWnd::nFld_KeyDown));

    AddNewControl<Label>("RxxText2");
    SetProperties(*ControlByName<Label>("RxxText2"), ControlWndRecords::RxxText2());

    AddNewControl<TextField>("detFld");
    SetProperties(*ControlByName<TextField>("detFld"), ControlWndRecords::detFld());
    ControlByName<TextField>("detFld")->KeyDown.Attach(Delegate(this, &ControlWnd::detFld_KeyDown));

    AddNewControl<Label>("hLabel");
    SetProperties(*ControlByName<Label>("hLabel"), ControlWndRecords::hLabel());

    AddNewControl<TextField>("hFld");
    SetProperties(*ControlByName<TextField>("hFld"), ControlWndRecords::hFld());
    ControlByName<TextField>("hFld")->KeyDown.Attach(Delegate(this, &ControlWnd::hFld_KeyDown));

    AddNewControl<Label>("dfLabel");
    SetProperties(*ControlByName<Label>("dfLabel"), ControlWndRecords::dfLabel());

    AddNewControl<TextField>("dfFld");
    SetProperties(*ControlByName<TextField>("dfFld"), ControlWndRecords::dfFld());
    ControlByName<TextField>("dfFld")->KeyDown.Attach(Delegate(this, &ControlWnd::dfFld_KeyDown));

    AddNewControl<Label>("pLabel");
    SetProperties(*ControlByName<Label>("pLabel"), ControlWndRecords::pLabel());

    AddNewControl<TextField>("pFld");
    SetProperties(*ControlByName<TextField>("pFld"), ControlWndRecords::pFld());
    ControlByName<TextField>("pFld")->KeyDown.Attach(Delegate(this, &ControlWnd::pFld_KeyDown));

    // The banner is not in the record; without its picture the area stays empty.
    AddNewControl<Canvas>("Canvas1");
    ControlByName<Canvas>("Canvas1")->Backdrop(Veltr480());
    SetProperties(*ControlByName<Canvas>("Canvas1"), ControlWndRecords::Canvas1());
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
