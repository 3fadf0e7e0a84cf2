#include "shell/Veltranoquisenary.h"

void Veltranoquisenary::Constructor() {}
