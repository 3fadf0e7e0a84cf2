#include <variant>

#include "calculator/ControlWnd.h"
#include "calculator/HaitovskyCalculation.h"
#include "framework/Dialogs.h"

std::shared_ptr<TextField> ControlWnd::FieldOf(Input input) const {
    switch (input) {
        case Input::k:
            return kFld();
        case Input::n:
            return nFld();
        case Input::determinant:
            break;
    }
    return detFld();
}

// The calculation starts on the press of "Calculate", not its release. A rejected input
// changes nothing on the window but the focus; results are computed in full before any
// control changes.
bool ControlWnd::calcBtn_MouseDown(PushButton&, std::int64_t, std::int64_t) {
    Outcome outcome = calculateHaitovsky(kFld()->Text(), nFld()->Text(), detFld()->Text());

    if (const auto* rejection = std::get_if<Rejection>(&outcome)) {
        MsgBox(rejection->message);
        FieldOf(rejection->input)->SetFocus();
        return false;
    }

    const auto& results = std::get<Results>(outcome);
    hFld()->Visible(true);
    hLabel()->Visible(true);
    dfFld()->Visible(true);
    dfLabel()->Visible(true);
    pFld()->Visible(true);
    pLabel()->Visible(true);
    // Written whole: the fields' typing limit does not apply (p has ten characters).
    hFld()->Text(results.h);
    dfFld()->Text(results.df);
    pFld()->Text(results.p);
    return false;
}
