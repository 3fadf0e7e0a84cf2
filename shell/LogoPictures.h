#pragma once

#include <memory>

#include "framework/Picture.h"

// The two logo pictures, read from the application's resources at their first use
// and kept for the process; each returns none while its file cannot be read, and
// tries the file again at the next use.

// What a screen reader says for either picture.
inline constexpr const char* kLogoAccessibleName = "Veltranoquisenary logo";

// The calculator window's banner, "Veltr480.png".
std::shared_ptr<Picture> Veltr480();
// The About window's logo, "Veltr400.png".
std::shared_ptr<Picture> Veltr400();
