// settings.ini as the window keeps it: written by the lists' one writer,
// under the lock the lists take, and read by QSettings, as this version and
// every older one reads it. Whatever a setting holds comes back as it was
// stored, and two writers at once lose neither's key.
#include <QSettings>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "lists/settings_file.h"
#include "ui/window_fixture.h"
#include "ui/window_settings.h"

namespace tessarine {
namespace {

QString Read(const std::string& file, const char* key) {
  return QSettings(QString::fromStdString(file), QSettings::IniFormat).value(key).toString();
}

// The values a folder name or a template may hold that INI gives a meaning
// to, or that QSettings would read otherwise when written bare.
const char* const kOddValues[] = {
    "plain",
    "",
    " leading",
    "trailing ",
    "  both  ",
    "with space",
    "a,b",
    "a, b,",
    "say \"hi\"",
    "\"",
    "back\\slash\\",
    "C:\\Users\\王\\日历",
    "semi;colon",
    "x=y",
    "# not a comment",
    "; not a comment",
    "[General]",
    "/home/王/農曆 행사/Lịch âm",
    "line\nbreak",
    "carriage\rreturn",
    "tab\there",
    "@Variant(\\0\\0\\0\\x7f)",
    "@String(x)",
    "LY年【LZ】 LMLD Y1年 Y2/CM/CD 周CW LT LF CF",
};

TEST(WindowSettingsTest, AnOddValueReadsBackThroughQSettings) {
  testing::TempFolder folder;
  const std::string file = folder.File("settings.ini");
  std::ofstream(file) << "[General]\nkept=1\n[Other]\nkey=2\n";
  const WindowSettings settings(QString::fromStdString(file), [](std::error_code error) {
    ADD_FAILURE() << "not stored: " << error.message();
  });
  // QSettings keeps each file it read and reads it again only when its size
  // or its time (to the millisecond) changed; two values of one length are
  // stored here within a millisecond, so each store is dated a second on.
  const auto stored = std::filesystem::last_write_time(file);
  int second = 0;
  for (const char* value : kOddValues) {
    settings.store("outputFolder", QString::fromUtf8(value));
    std::filesystem::last_write_time(file, stored + std::chrono::seconds(++second));
    EXPECT_EQ(Read(file, "outputFolder"), QString::fromUtf8(value)) << value;
    EXPECT_EQ(settings.value("outputFolder").toString(), QString::fromUtf8(value)) << value;
  }
  EXPECT_EQ(Read(file, "kept"), "1");
  EXPECT_EQ(Read(file, "Other/key"), "2");
}

// A file QSettings wrote (an older version, or the user's own tool) keeps
// every setting when the one writer changes another.
TEST(WindowSettingsTest, SettingsQSettingsWroteStayAsTheyWere) {
  testing::TempFolder folder;
  const std::string file = folder.File("settings.ini");
  {
    QSettings written(QString::fromStdString(file), QSettings::IniFormat);
    for (std::size_t i = 0; i < std::size(kOddValues); ++i) {
      written.setValue(QString("odd%1").arg(i), QString::fromUtf8(kOddValues[i]));
    }
  }
  ASSERT_TRUE(StoreSetting(file, "interfaceLanguage", "en"));
  EXPECT_EQ(Read(file, "interfaceLanguage"), "en");
  for (std::size_t i = 0; i < std::size(kOddValues); ++i) {
    EXPECT_EQ(Read(file, QString("odd%1").arg(i).toUtf8().constData()), QString::fromUtf8(kOddValues[i]))
        << kOddValues[i];
  }
}

// Two writers at once, as a second window would be, each setting keys of its
// own: every key of both is there at the end.
TEST(WindowSettingsTest, TwoWritersLoseNeithersKeys) {
  testing::TempFolder folder;
  const std::string file = folder.File("settings.ini");
  constexpr int kKeys = 40;
  const auto writer = [&file](const char* prefix) {
    const WindowSettings settings(QString::fromStdString(file), [](std::error_code error) {
      ADD_FAILURE() << "not stored: " << error.message();
    });
    for (int i = 0; i < kKeys; ++i) {
      const QByteArray key = QByteArray(prefix) + QByteArray::number(i);
      settings.store(key.constData(), QString("%1 \"%2\"").arg(prefix).arg(i));
    }
  };
  std::thread first(writer, "first");
  std::thread second(writer, "second");
  first.join();
  second.join();
  for (const char* prefix : {"first", "second"}) {
    for (int i = 0; i < kKeys; ++i) {
      const QByteArray key = QByteArray(prefix) + QByteArray::number(i);
      EXPECT_EQ(Read(file, key.constData()), QString("%1 \"%2\"").arg(prefix).arg(i)) << key.constData();
    }
  }
}

}  // namespace
}  // namespace tessarine
