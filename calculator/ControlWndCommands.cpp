// The calculator window's links to the other windows and to the end of the program:
// the "?" button, the Quit, Info and About commands and the window's closing.
#include "calculator/ControlWnd.h"
#include "framework/Cast.h"
#include "framework/EventSlot.h"
#include "framework/Runtime.h"
#include "shell/AboutWnd.h"
#include "shell/helpWnd.h"

bool ControlWnd::helpBtn_MouseDown(PushButton&, std::int64_t, std::int64_t) {
    ::helpWnd()->Show();
    // The press goes on to the button, which draws itself pressed.
    return false;
}

void ControlWnd::AddMenuHandlers(Window& window) {
    auto& self = Cast<ControlWnd>(window);
    AddMenuHandler("FileQuit", Delegate(&self, &ControlWnd::FileQuit_Action));
    AddMenuHandler("InfoItem", Delegate(&self, &ControlWnd::InfoItem_Action));
    AddMenuHandler("AboutItem", Delegate(&self, &ControlWnd::AboutItem_Action));
}

// Whatever closed the window, the program ends with it.
void ControlWnd::Event_Close() { Quit(0); }

bool ControlWnd::FileQuit_Action() {
    Quit(0);
    return true;
}

bool ControlWnd::InfoItem_Action() {
    ::helpWnd()->Show();
    return true;
}

bool ControlWnd::AboutItem_Action() {
    ::AboutWnd()->Show();
    return true;
}
