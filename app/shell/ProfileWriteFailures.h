#pragma once
// A profile that cannot be written (a read-only or full folder) is told to the user, by the
// file's name, instead of the session's settings being lost without a word. So is a profile
// that is no regular file (a FIFO, a device, a folder): it is neither read nor written.
#include <filesystem>
#include <string>

std::string ProfileWriteFailureMessage(const std::filesystem::path& file);

// From now on every failed profile write is told (once until a write succeeds again).
void TellFailedProfileWrites();
