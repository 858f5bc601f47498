#include "lists/settings_file.h"

#include "calendar/plain_text.h"
#include "files/locked_update.h"

namespace tessarine {
namespace {

constexpr std::string_view kSection = "[General]";

// A line without its blanks around, and without the CR a file saved on
// Windows ends it with.
std::string_view Trimmed(std::string_view line) { return TrimStart(TrimEnd(line, " \r"), " "); }

// A value as QSettings writes a string: bare when INI gives none of its
// characters a meaning, otherwise quoted, with \\, \", line ends and tabs
// escaped so that a line end in a value never ends its line. A value that
// begins with @ has it doubled: QSettings reads @String(…), @Variant(…) and
// the like as typed values, and @@ as one @.
std::string IniValue(std::string_view value) {
  const std::string at = value.starts_with('@') ? "@" : "";
  const bool plain = !value.empty() && value.find_first_of(",;=\"\\#\r\n\t") == std::string_view::npos &&
                     value.front() != ' ' && value.back() != ' ';
  if (plain) return at + std::string(value);
  std::string quoted = "\"" + at;
  for (const char c : value) {
    switch (c) {
      case '"': quoted.append("\\\""); break;
      case '\\': quoted.append("\\\\"); break;
      case '\n': quoted.append("\\n"); break;
      case '\r': quoted.append("\\r"); break;
      case '\t': quoted.append("\\t"); break;
      default: quoted += c;
    }
  }
  quoted += '"';
  return quoted;
}

}  // namespace

std::string WithSetting(std::string_view text, std::string_view key, std::string_view value) {
  std::string line(key);
  line.append("=").append(IniValue(value));
  std::string out;
  bool inGeneral = false, generalSeen = false, done = false;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t end = text.find('\n', at);
    end = end == std::string_view::npos ? text.size() : end + 1;
    const std::string_view current = text.substr(at, end - at);
    const std::string_view bare = Trimmed(current.substr(0, current.find('\n')));
    if (bare.starts_with('[')) {
      if (inGeneral && !done) out.append(line).append("\n"), done = true;  // the key was missing from [General]
      inGeneral = bare == kSection;
      generalSeen = generalSeen || inGeneral;
    }
    const bool isKey = inGeneral && bare.starts_with(key) && Trimmed(bare.substr(key.size())).starts_with('=');
    if (isKey && !done) {
      out.append(line).append("\n");
      done = true;
    } else if (!isKey) {
      out.append(current);
      if (!current.ends_with('\n') && end == text.size()) out.append("\n");
    }
    at = end;
  }
  if (!done) {
    if (!generalSeen) out.append(out.empty() ? "" : "\n").append(kSection).append("\n");
    out.append(line).append("\n");
  }
  return out;
}

Result<void, std::error_code> StoreSetting(const std::filesystem::path& file, std::string_view key,
                                           std::string_view value) {
  const LockedUpdate update = UpdateLockedFile(file, [&](std::string& bytes) {
    bytes = WithSetting(bytes, key, value);
    return ChangeOutcome::Apply;
  });
  if (update.error) return Failure{update.error};
  return {};
}

}  // namespace tessarine
