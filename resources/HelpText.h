#pragma once
#include <string_view>
// The help window's stored text, built into the program from resources/help.txt.
std::string_view HelpText();
