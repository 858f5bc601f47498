# The release date a build shows beside its version (About, the window's
# help, the manual pages, the AppStream release), as YYYY-MM-DD in UTC.
#
# It must be the same for the same source wherever and whenever it is built,
# so it is never simply today:
#   1. SOURCE_DATE_EPOCH, when set: the reproducible-builds convention that
#      Debian's tools and other packagers set (from the changelog's date);
#   2. else the date of the last commit, when the source is a git checkout:
#      two builds of the same commit agree, and a build of later work shows
#      a later date than the release it grew from;
#   3. else, for a source tree with neither, the day it is configured.
# Sets TESSARINE_RELEASE_DATE.

set(_release_epoch "$ENV{SOURCE_DATE_EPOCH}")
if(_release_epoch STREQUAL "")
  find_package(Git QUIET)
  if(GIT_FOUND)
    execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct
                    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    OUTPUT_VARIABLE _release_epoch OUTPUT_STRIP_TRAILING_WHITESPACE
                    RESULT_VARIABLE _git_result ERROR_QUIET)
    if(NOT _git_result EQUAL 0)
      set(_release_epoch "")
    endif()
    # A new commit moves the date: the reflog of HEAD grows with every
    # commit, so configuring again then keeps the date current. Only the
    # few files that show the date are compiled again, and only when the
    # day changes (configure_file leaves an unchanged header alone).
    execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse --path-format=absolute --git-path logs/HEAD
                    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    OUTPUT_VARIABLE _head_log OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    if(_head_log AND EXISTS "${_head_log}" AND NOT CMAKE_SCRIPT_MODE_FILE)
      set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${_head_log}")
    endif()
  endif()
endif()

if(NOT _release_epoch MATCHES "^[0-9]*$")
  message(WARNING "SOURCE_DATE_EPOCH is not a number of seconds: '${_release_epoch}'; the release date is today's")
  set(_release_epoch "")
endif()
# string(TIMESTAMP) formats SOURCE_DATE_EPOCH when that is set, else the
# present moment; it is set here for that one call and put back as it was.
set(_saved_epoch "$ENV{SOURCE_DATE_EPOCH}")
set(ENV{SOURCE_DATE_EPOCH} "${_release_epoch}")
string(TIMESTAMP TESSARINE_RELEASE_DATE "%Y-%m-%d" UTC)
set(ENV{SOURCE_DATE_EPOCH} "${_saved_epoch}")
unset(_release_epoch)
unset(_saved_epoch)
