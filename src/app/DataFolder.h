// The game's data folder is the folder its executable sits in, beside Graphics/, Sounds/ and Saves/.
// The program makes it the working folder at start, since every file the game reads and writes is
// named relative to it.
#pragma once

#include <string>

// The folder of the running executable (`argv0` is the fallback where the system cannot say).
std::string ExecutableFolder(const char *argv0);
// Makes that folder the working folder. False (the working folder unchanged) when it cannot.
bool EnterDataFolder(const char *argv0);
