#pragma once

#include <string>

// Reads an integer the way atoi does: leading blanks skipped, an optional sign, then the
// decimal digits up to the first other character. Empty or non-numeric text is 0; values
// beyond the 32-bit range are clamped to it.
int TextToInt(const std::string& text);
