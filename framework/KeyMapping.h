#pragma once

#include <optional>
#include <string>

class QKeyEvent;

// The key text that a KeyDown handler receives for a Qt key press: a printable key as
// its own character, the editing and navigation keys as the control characters of
// framework/Keys.h, and every other key that types nothing as the function-key code.
// None for a key that is not delivered at all: combinations with Ctrl (menu shortcuts
// and editing commands), modifier keys pressed alone, and dead and compose keys, whose
// composed character arrives as text of its own.
std::optional<std::string> KeyTextFor(const QKeyEvent& event);
