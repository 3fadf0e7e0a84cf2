#pragma once

#include <functional>
#include <string>

// A modal message box with the text; returns once the user has dismissed it.
void MsgBox(const std::string& message);

// The system alert sound, once.
void Beep();

// Seams: tests replace the real box and sound with recorders that answer at once.
// Each setter returns the handler it replaces; an empty handler restores the real one.
using MsgBoxHandler = std::function<void(const std::string& message)>;
using BeepHandler = std::function<void()>;
MsgBoxHandler SetMsgBoxHandler(MsgBoxHandler handler);
BeepHandler SetBeepHandler(BeepHandler handler);
