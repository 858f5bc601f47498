// Replacing a file the user keeps (a list, a calendar file of a fixed name)
// so that it is never half-written: the new text goes into a temporary file
// beside it, reaches the disk, and takes the old one's place in one step.
//
// The file replaced is the one the user means: a symbolic link is followed
// and its target replaced, the target keeps its permissions (the new file is
// never readable by more users than the old one, not even while it is
// written), and a target with no write permission for anyone is refused with
// ReplaceRefusal::ReadOnly and left as it is. Signals are deferred while the
// temporary exists, and the temporaries of killed runs are removed by the
// next one.
//
// What is not the user's file is refused, never written through:
// - a target that is not a regular file (a device, a named pipe, a socket:
//   NotAFile; a folder: EISDIR), which would otherwise become a regular
//   file with the device's permissions;
// - a link in a shared folder (sticky and writable by all, as /tmp) that
//   neither the folder's owner nor the user running the program made
//   (ForeignLink, naming the link). The kernel follows such a link only
//   for them (fs.protected_symlinks); the link is resolved here, so the
//   same rule is kept here, where the kernel cannot apply it.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <system_error>

#include "files/temporary_file.h"

namespace tessarine {

struct WrittenFile {
  std::filesystem::path path;  // the name actually taken, when written
  std::error_code error;       // the system's reason, when not
};

// A file's text handed over piece by piece: each call gives the next piece,
// an empty one at the end. A file larger than is worth holding in memory is
// written this way while it is composed. A piece stays valid until the next
// call.
using ByteSource = std::function<std::string_view()>;

// The source of a text held whole: `bytes` in one piece.
ByteSource WholeText(std::string_view bytes);

// Reasons of our own for not writing, beside the system's.
enum class ReplaceRefusal {
  ReadOnly = 1,  // no one may write the file
  NotAFile,      // what has the name is a device, a named pipe or a socket
  ForeignLink,   // a link another user made in a shared folder: the path names it
};
const std::error_category& ReplaceCategory();
std::error_code make_error_code(ReplaceRefusal refusal);

// Writes `bytes` as `path`, replacing what was there. On failure the old
// file is untouched and no temporary file is left; a link refused is the
// failure's path.
WrittenFile ReplaceFile(const std::filesystem::path& path, std::string_view bytes);
WrittenFile ReplaceFile(const std::filesystem::path& path, const ByteSource& text);

// The same for `name` in `folder`, in the shape of WriteNewFile.
inline WrittenFile ReplaceFileIn(const std::filesystem::path& folder, std::string_view name, const ByteSource& text) {
  return ReplaceFile(folder / std::string(name), text);
}

}  // namespace tessarine

template <>
struct std::is_error_code_enum<tessarine::ReplaceRefusal> : std::true_type {};
