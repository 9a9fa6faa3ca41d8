// Writing the player's files so that a crash or a full disk never leaves a half-written file:
// the content goes to a temporary file in the same folder, is flushed and synced, and then
// renamed over the old file; the folder is synced last.
#pragma once

#include <string>

// Returns false and fills Error (the system's text) when any step fails; the old file is then
// untouched and the temporary file is removed.
bool WriteFileSafely(const std::string& Path, const std::string& Content, std::string& Error);

// Reads a whole file. Returns false when it cannot be opened or read; Missing tells whether it
// simply does not exist.
bool ReadWholeFile(const std::string& Path, std::string& Content, bool* Missing = nullptr);
