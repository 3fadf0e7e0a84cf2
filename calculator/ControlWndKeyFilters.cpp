#include "calculator/ControlWnd.h"
#include "framework/Dialogs.h"
#include "framework/Keys.h"
#include "framework/RuntimeFunctions.h"

namespace {

// Codes just above the lower bound up to "9" (57) are typed characters that a field
// takes: the digits, and in the determinant field also "." (46) and "/" (47).
constexpr std::int64_t kBelowDigits = 47;
constexpr std::int64_t kBelowPointAndSlash = 45;

// The one filter of all six fields. Only the key is judged, never the text already in
// the field; the field's own character limit is the toolkit's to enforce. True
// consumes (refuses) the key.
bool RefuseKey(const std::string& key, std::int64_t lowerBound) {
    const std::int64_t code = Asc(key);
    const bool accepted = (lowerBound < code && code < 58) || code == KeyCode::Backspace ||
                          code == KeyCode::Tab || code == KeyCode::Delete ||
                          code == KeyCode::Left || code == KeyCode::Right;
    if (accepted) {
        return false;
    }
    Beep();
    return true;
}

}  // namespace

bool ControlWnd::kFld_KeyDown(TextField&, const std::string& key) {
    return RefuseKey(key, kBelowDigits);
}

bool ControlWnd::nFld_KeyDown(TextField&, const std::string& key) {
    return RefuseKey(key, kBelowDigits);
}

bool ControlWnd::detFld_KeyDown(TextField&, const std::string& key) {
    return RefuseKey(key, kBelowPointAndSlash);
}

bool ControlWnd::hFld_KeyDown(TextField&, const std::string& key) {
    return RefuseKey(key, kBelowDigits);
}

bool ControlWnd::dfFld_KeyDown(TextField&, const std::string& key) {
    return RefuseKey(key, kBelowDigits);
}

bool ControlWnd::pFld_KeyDown(TextField&, const std::string& key) {
    return RefuseKey(key, kBelowDigits);
}
