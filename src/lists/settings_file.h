// The window's settings.ini: "key=value" lines under [General], as
// QSettings reads them, written the way every user file is written
// (files/locked_update.h) so that a setting saved never drops another one saved
// meanwhile, by a second window say. Lines it does not know stay as they are.
//
// This is the file's one writer: the window reads with QSettings but saves
// each setting here, never through QSettings. QSettings saves by writing
// back the whole file under a lock of its own (settings.ini.lock), not the
// lists' lock (LockPath), so a key another writer saved between its read and
// its write could be lost; and whatever else changes a setting (the command
// line has no Qt) can take the lists' lock too. Values are written as
// QSettings writes a string, so this version, older ones and the user's own
// tools read them alike.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "calendar/result.h"

namespace tessarine {

// `text` with `key` set to `value` in its [General] section: the key's line
// replaced, or added, with the section when there is none. A value with
// characters INI gives a meaning to is quoted and escaped, as QSettings
// quotes it.
std::string WithSetting(std::string_view text, std::string_view key, std::string_view value);

// Sets `key` in the file under its lock; the system's reason on failure.
Result<void, std::error_code> StoreSetting(const std::filesystem::path& file, std::string_view key,
                                           std::string_view value);

}  // namespace tessarine
