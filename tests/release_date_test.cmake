# The release date of a build (cmake/release_date.cmake), run as a script:
# SOURCE_DATE_EPOCH when set, and left as it was; else the last commit's
# day in UTC; else, outside a checkout, today's.
#   cmake -DSOURCE_DIR=<the project's folder> -DWORK_DIR=<an empty folder> -P release_date_test.cmake

function(expect_date description expected)
  unset(TESSARINE_RELEASE_DATE)
  include(${SOURCE_DIR}/cmake/release_date.cmake)
  if(NOT TESSARINE_RELEASE_DATE STREQUAL expected)
    message(FATAL_ERROR "${description}: '${TESSARINE_RELEASE_DATE}', expected '${expected}'")
  endif()
endfunction()

set(PROJECT_SOURCE_DIR ${SOURCE_DIR})
set(ENV{SOURCE_DATE_EPOCH} 1767225599)  # 2025-12-31T23:59:59Z, a second before 2026 at Greenwich
expect_date("SOURCE_DATE_EPOCH" 2025-12-31)
if(NOT "$ENV{SOURCE_DATE_EPOCH}" STREQUAL "1767225599")
  message(FATAL_ERROR "SOURCE_DATE_EPOCH was not left as it was: '$ENV{SOURCE_DATE_EPOCH}'")
endif()
set(ENV{SOURCE_DATE_EPOCH} 0)
expect_date("SOURCE_DATE_EPOCH 0" 1970-01-01)

unset(ENV{SOURCE_DATE_EPOCH})
find_package(Git QUIET)
if(GIT_FOUND)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC ${GIT_EXECUTABLE} log -1 --format=%cd --date=format-local:%Y-%m-%d
                  WORKING_DIRECTORY ${SOURCE_DIR} OUTPUT_VARIABLE commit_day OUTPUT_STRIP_TRAILING_WHITESPACE
                  RESULT_VARIABLE in_checkout ERROR_QUIET)
  if(in_checkout EQUAL 0)
    expect_date("the last commit" "${commit_day}")
  endif()
endif()

# Outside any checkout: git finds no repository above the ceiling.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR}/source)
set(ENV{GIT_CEILING_DIRECTORIES} ${WORK_DIR})
set(PROJECT_SOURCE_DIR ${WORK_DIR}/source)
string(TIMESTAMP today "%Y-%m-%d" UTC)
expect_date("outside a checkout" "${today}")
set(ENV{SOURCE_DATE_EPOCH} "yesterday")
expect_date("a SOURCE_DATE_EPOCH that is no number" "${today}")
