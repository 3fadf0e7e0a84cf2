#pragma once

#include <optional>
#include <string>

class QKeyCombination;
class QKeyEvent;

// The key text that a KeyDown handler receives for a Qt key press:
// - a printable key: its own character;
// - an editing or navigation key: its control character of framework/Keys.h;
// - a key that types nothing but is refused (Insert, Pause, Print, Scroll Lock, Clear,
//   the F-keys: the list in KeyMapping.cpp): the refused-key code, which the filters
//   answer with a beep.
// None for a key that is not delivered at all, and so never beeps:
// - a command: a combination with Ctrl, and Shift+Insert, Ctrl+Insert, Shift+Delete;
// - a modifier pressed alone, and a dead or compose key, whose composed character
//   arrives as text of its own;
// - a key for the desktop (volume, media, brightness, power, launch keys) and the Menu
//   key, which opens the field's context menu: the desktop and Qt act on them.
// A key in none of these lists that types nothing (Help, an input method's mode switch,
// a remote control's key) is not delivered either: the program cannot tell what it
// means, so it leaves it to whatever else handles it rather than refuse it. Of the keys
// that type nothing, only the listed ones beep.
std::optional<std::string> KeyTextFor(const QKeyEvent& event);

// The Ctrl combination that gives the same editing command as this key: Shift+Insert
// pastes as Ctrl+V does, Ctrl+Insert copies as Ctrl+C and Shift+Delete cuts as
// Ctrl+X, on every desktop. Qt binds the three only where the platform theme says so,
// and Ctrl+V, C and X everywhere. None for every other key.
std::optional<QKeyCombination> EditingCommandFor(const QKeyEvent& event);
