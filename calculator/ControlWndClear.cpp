#include "calculator/ControlWnd.h"

// Back to the state of a new window: results emptied and hidden with their captions,
// inputs emptied, the focus in the first input. Acts on the press, like "Calculate".
bool ControlWnd::clearBtn_MouseDown(PushButton&, std::int64_t, std::int64_t) {
    hFld()->Text("");
    hFld()->Visible(false);
    hLabel()->Visible(false);
    dfFld()->Text("");
    dfFld()->Visible(false);
    dfLabel()->Visible(false);
    pFld()->Text("");
    pFld()->Visible(false);
    pLabel()->Visible(false);
    kFld()->Text("");
    nFld()->Text("");
    detFld()->Text("");
    kFld()->SetFocus();
    return false;
}
