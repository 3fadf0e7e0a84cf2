#pragma once

#include <string>

// Puts the runtime back as it was before a test: closes every window without raising
// its events, forgets the application object, a pending quit, the exit code and a
// reported missing picture, and restores the real message box, beep and resources folder.
void ResetRuntimeForTesting();
