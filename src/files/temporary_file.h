// The named temporary files a file is written into before it takes its
// name: their names, creating one so that every run sharing the folder sees
// it is in use, and removing those a killed run left behind.
//
// A run holds a lock on its temporary for as long as the temporary exists.
// A lock is seen by every run that shares the folder, in a container, in
// another PID namespace or on another machine writing the same network
// share, where the process id in the name means nothing; so a temporary is
// a leftover only when no run holds its lock.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace tessarine {

// ".<name>.tessarine-<pid>-XXXXXX": the named temporary file of process
// `pid` for `name`, hidden, with six random letters and digits.
std::string TemporaryName(std::string_view name, pid_t pid);

// The process id in a name made by TemporaryName, or 0.
pid_t WriterOf(std::string_view fileName);

// A temporary created for writing, locked until its descriptor is closed.
// The caller closes it once the temporary's name is gone (renamed into
// place or removed), not before: the lock is what keeps it from other runs'
// clean-up.
struct OpenTemporary {
  int fd = -1;
  std::string path;
  std::error_code error;  // when none could be created
};

// Creates a new temporary for `name` in `folder`, with `mode` as open()
// takes it (the umask applies), and locks it. Where the file system takes no
// locks it is left unlocked, and its age keeps it from other runs instead.
OpenTemporary CreateTemporary(const std::filesystem::path& folder, std::string_view name, mode_t mode);

// Removes from `folder` the temporaries no run is writing: their process
// is not running here, and no run anywhere holds their lock (where the file
// system takes no locks: they have not changed for kLeftoverAge). With one
// goes the empty name its writer had reserved for it. Nothing here may fail
// a write, so errors are ignored.
void RemoveLeftovers(const std::filesystem::path& folder);

// How long a temporary on a file system without locks stays untouched
// before it counts as a leftover: a run writes its temporary continuously
// and names it at once, so one unchanged this long has no writer.
inline constexpr int kLeftoverAgeSeconds = 600;

}  // namespace tessarine
