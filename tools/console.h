#pragma once

#include <string>

// True when standard error is a terminal (progress is shown only there).
bool StderrIsTerminal();

// Folder of the running program, with its closing separator; "" when unknown.
std::string ProgramFolder();
