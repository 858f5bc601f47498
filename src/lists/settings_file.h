// The window's settings.ini: "key=value" lines under [General], as
// QSettings reads them, written the way every user file is written
// (files/locked_update.h) so that a setting saved never drops another one saved
// meanwhile, by a second window say. Lines it does not know stay as they are.
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
