/* The durable floor: the least a program must do to leave the same files
 * safely on disk. For each file of SOURCE it writes the bytes to a temporary
 * in TARGET, fsyncs it and renames it into place, then fsyncs TARGET once.
 * Tessarine's own run is measured against this in bench/compare_copy.sh.
 * Usage: tessarine-durable-floor SOURCE TARGET */
#define _GNU_SOURCE
#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

static int copy_one(int source, int target, const char *name) {
  static char buffer[1 << 20];
  char temporary[512];
  snprintf(temporary, sizeof temporary, ".%s.tmp", name);
  int in = openat(source, name, O_RDONLY);
  int out = openat(target, temporary, O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (in < 0 || out < 0) return -1;
  ssize_t got;
  while ((got = read(in, buffer, sizeof buffer)) > 0) {
    if (write(out, buffer, (size_t)got) != got) return -1;
  }
  if (got < 0 || fsync(out) != 0 || close(out) != 0 || close(in) != 0) return -1;
  return renameat(target, temporary, target, name);
}

int main(int argc, char **argv) {
  if (argc != 3) {
    fprintf(stderr, "usage: %s SOURCE TARGET\n", argv[0]);
    return 2;
  }
  mkdir(argv[2], 0755);
  int source = open(argv[1], O_RDONLY | O_DIRECTORY);
  int target = open(argv[2], O_RDONLY | O_DIRECTORY);
  DIR *listing = fdopendir(dup(source));
  if (source < 0 || target < 0 || !listing) return perror("open"), 1;
  struct dirent *entry;
  while ((entry = readdir(listing)) != NULL) {
    if (entry->d_name[0] == '.') continue;
    if (copy_one(source, target, entry->d_name) != 0) return perror(entry->d_name), 1;
  }
  return fsync(target) == 0 ? 0 : (perror("fsync"), 1);
}
