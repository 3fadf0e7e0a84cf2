#pragma once

// Raises ThreadAccessingUIException unless called on the user-interface thread.
// Every window, control and menu operation starts with it.
void CheckUIThread();
