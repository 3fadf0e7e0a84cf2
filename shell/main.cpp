#include "shell/Startup.h"

int main() { return RunProgram(); }
