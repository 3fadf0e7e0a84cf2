#pragma once

#include <optional>
#include <string>

class QKeyEvent;

// The key text that a KeyDown handler receives for a Qt key press: a printable key as
// its own character, the editing and navigation keys as the control characters of
// framework/Keys.h. None for a key that is not delivered at all: combinations with
// Ctrl (menu shortcuts and editing commands) and modifier keys pressed alone.
std::optional<std::string> KeyTextFor(const QKeyEvent& event);
