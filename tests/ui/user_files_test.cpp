// The user's own files as the window meets them: settings.ini, the
// anniversary list and holidays.csv that are named pipes, devices or files
// past the lists' limit leave a window that appears, says what is wrong,
// and saves nothing over them.
#include <QLabel>
#include <sys/stat.h>
#include <unistd.h>

#include "files/bounded_read.h"
#include "ui/desktop_services.h"
#include "ui/window_fixture.h"

namespace tessarine {
namespace {

using testing::WindowTest;

TEST(ReadableSettingsFileTest, OnlyARegularFileWithinTheLimitIsGivenToQSettings) {
  testing::TempFolder folder;
  const struct {
    const char* name;
    std::function<void(const std::string& path)> make;
    bool given;
  } cases[] = {
      {"missing", [](const std::string&) {}, true},
      {"regular", [](const std::string& path) { std::ofstream(path) << "[General]\na=1\n"; }, true},
      {"named pipe", [](const std::string& path) { ::mkfifo(path.c_str(), 0600); }, false},
      {"device", [](const std::string& path) { std::filesystem::create_symlink("/dev/zero", path); }, false},
      {"folder", [](const std::string& path) { std::filesystem::create_directory(path); }, false},
      {"past the limit",
       [](const std::string& path) {
         std::ofstream(path) << "";
         std::filesystem::resize_file(path, kMostBytesRead + 1);
       },
       false},
  };
  for (const auto& c : cases) {
    const std::string path = folder.File(c.name);
    c.make(path);
    const QString file = QString::fromStdString(path);
    EXPECT_EQ(ReadableSettingsFile(file), c.given ? file : QString()) << c.name;
  }
}

// Before, QSettings and the lists waited on the pipes for a writer and the
// window never appeared: an alarm ends the test instead of hanging it.
TEST_F(WindowTest, NamedPipesForTheUsersFilesLeaveAWorkingWindow) {
  for (const char* name : {"settings.ini", "anniversaries.csv", "holidays.csv"}) {
    ASSERT_EQ(::mkfifo(config.File(name).c_str(), 0600), 0) << name;
  }
  ::alarm(60);
  Open();
  ::alarm(0);
  EXPECT_TRUE(Find<QLabel>("problemLabel")->text().contains("不是普通文件")) << Find<QLabel>("problemLabel")->text().toStdString();
  EXPECT_TRUE(Find<QLabel>("holidayStatusLabel")->text().contains("不是普通文件"));
  EXPECT_FALSE(Action("holidayMarksAction")->isChecked());  // the default, as with no settings

  // A setting is not saved over the pipe, and the window says why.
  ::alarm(60);
  Action("holidayMarksAction")->trigger();
  ::alarm(0);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_TRUE(shown[0].text.startsWith("无法保存设置：不是普通文件")) << shown[0].text.toStdString();
  struct stat info {};
  ASSERT_EQ(::lstat(config.File("settings.ini").c_str(), &info), 0);
  EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

// Anniversaries that all begin after the years make no calendar: nothing is
// written, and the window says why, as of any file it could not write.
TEST_F(WindowTest, AnniversariesAfterTheYearsWriteNoFile) {
  std::ofstream(config.File("anniversaries.csv")) << "妈妈生日,三月初八,2030\n";
  Open();
  Find<QTabWidget>("formatTabs")->setCurrentWidget(Find<QWidget>("anniversariesTab"));
  Find<QPushButton>("generateButton")->click();
  EXPECT_TRUE(files.empty());
  ASSERT_FALSE(shown.empty());
  EXPECT_TRUE(shown[0].text.startsWith("无法生成 iCal 文件，其中没有任何事件（没有事件的文件不是日历）："))
      << shown[0].text.toStdString();
}

}  // namespace
}  // namespace tessarine
