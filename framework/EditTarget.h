#pragma once

class QWidget;

// The widget that the Edit menu's commands act on: the focused one or, while the menu
// bar holds the keyboard focus (the user pressed Alt to open a menu), the one that held
// it before.
QWidget* EditTarget();

// Every window passes on each change of the application's focus.
void NoteFocusChange(QWidget* old, QWidget* now);
