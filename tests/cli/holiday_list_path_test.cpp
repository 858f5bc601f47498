// Where tessarine-cli finds holidays.csv: by the XDG rule, never in a folder
// relative to where it runs.
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "cli/arguments.h"
#include "cli/holiday_list_file.h"

namespace tessarine::cli {
namespace {

TEST(ConfigFolderTest, FollowsTheXdgRule) {
  const struct {
    const char *xdg, *home, *passwd;
    const char* expected;  // nullptr: none
  } cases[] = {
      {"/x/config", "/home/a", "/home/b", "/x/config"},
      {"config", "/home/a", "/home/b", "/home/a/.config"},  // a relative XDG_CONFIG_HOME is ignored
      {"", "/home/a", "/home/b", "/home/a/.config"},
      {nullptr, "/home/a", "/home/b", "/home/a/.config"},
      {nullptr, nullptr, "/home/b", "/home/b/.config"},    // HOME unset: the password database's
      {nullptr, "", "/home/b", "/home/b/.config"},
      {nullptr, "home", "/home/b", "/home/b/.config"},     // nor a relative HOME
      {"config", "home", nullptr, nullptr},                 // no home at all
      {nullptr, nullptr, "", nullptr},
      {nullptr, nullptr, "relative", nullptr},
      {"/x/config", nullptr, nullptr, "/x/config"},
  };
  for (const auto& c : cases) {
    const auto folder = ConfigFolder(c.xdg, c.home, c.passwd);
    const std::string named = std::string(c.xdg ? c.xdg : "(unset)") + " " + (c.home ? c.home : "(unset)");
    if (c.expected == nullptr) {
      EXPECT_FALSE(folder) << named;
    } else {
      EXPECT_EQ(folder, std::filesystem::path(c.expected)) << named;
    }
  }
}

// The environment of the test process, put back as it was afterwards.
class EnvironmentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"XDG_CONFIG_HOME", "HOME"}) {
      const char* value = std::getenv(name);
      saved_.push_back({name, value ? std::optional<std::string>(value) : std::nullopt});
    }
  }
  void TearDown() override {
    for (const auto& [name, value] : saved_) value ? ::setenv(name, value->c_str(), 1) : ::unsetenv(name);
  }
  static void Set(const char* name, const char* value) { value ? ::setenv(name, value, 1) : ::unsetenv(name); }

 private:
  std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
};

TEST_F(EnvironmentTest, TheListIsFoundFromAnyFolder) {
  const passwd* user = ::getpwuid(::getuid());
  const std::optional<std::string> passwdHome =
      user && user->pw_dir && user->pw_dir[0] == '/' ? std::optional<std::string>(user->pw_dir) : std::nullopt;
  const struct {
    const char *xdg, *home;
    std::optional<std::string> folder;  // nothing: refused
  } cases[] = {
      {"/x/config", nullptr, "/x/config"},
      {"relative/config", "/home/a", "/home/a/.config"},
      {nullptr, "/home/a", "/home/a/.config"},
      {nullptr, nullptr, passwdHome ? std::optional<std::string>(*passwdHome + "/.config") : std::nullopt},
      {"relative", "relative", passwdHome ? std::optional<std::string>(*passwdHome + "/.config") : std::nullopt},
  };
  for (const auto& c : cases) {
    Set("XDG_CONFIG_HOME", c.xdg);
    Set("HOME", c.home);
    const std::string named = std::string(c.xdg ? c.xdg : "(unset)") + " " + (c.home ? c.home : "(unset)");
    if (c.folder) {
      EXPECT_EQ(HolidayListPath(), std::filesystem::path(*c.folder) / "Tessarine" / "holidays.csv") << named;
    } else {
      EXPECT_THROW(HolidayListPath(), UsageError) << named;
    }
  }
}

}  // namespace
}  // namespace tessarine::cli
