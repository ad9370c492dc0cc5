// The folder of the running program, where the settings file and, by default,
// the favourites file live.
#pragma once
#include <string>

// Drive and folder of the running program's file, ending with "\".
std::string GetModuleFolder();
