// A configuration folder of the test's own, given as XDG_CONFIG_HOME, so
// that the commands find holidays.csv there and never in the home of the
// user who runs the tests.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "support/temp_folder.h"

namespace tessarine::testing {

class ConfigFolderTest : public ::testing::Test {
 protected:
  void SetUp() override { ::setenv("XDG_CONFIG_HOME", config.path().c_str(), 1); }
  void TearDown() override { ::unsetenv("XDG_CONFIG_HOME"); }
  // Where the commands keep the holiday list.
  std::string List() const { return config.File("Tessarine/holidays.csv"); }

  TempFolder config;
};

}  // namespace tessarine::testing
