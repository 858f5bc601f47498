// The window on the desktop: the output folder, real message boxes, the
// focus and the keyboard; and how the desktop finds it, its desktop entry
// and AppStream metadata, in each language, with the package's version.
#include <fstream>
#include "ui/window_fixture.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStyleOptionFocusRect>
#include <QTimer>
#include <QXmlStreamReader>

#include "ui/flat_style.h"
#include "version.h"

namespace tessarine {
namespace {

using testing::WindowTest;
using testing::kDefaultTemplate;

TEST(OutputFolderTest, TheProgramsFolderWhenWritableElseDocuments) {
  testing::TempFolder program, documents;
  EXPECT_EQ(ChooseOutputFolder(QString::fromStdString(program.path().string()),
                               QString::fromStdString(documents.path().string())),
            QString::fromStdString(program.path().string()));
  // A folder the user cannot write: checked as an ordinary user, since the
  // superuser may write anywhere but on a read-only file system.
  std::filesystem::permissions(program.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec |
                                                   std::filesystem::perms::others_read | std::filesystem::perms::others_exec);
  std::filesystem::permissions(documents.path(), std::filesystem::perms::all);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (getuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(2);
    const QString chosen = ChooseOutputFolder(QString::fromStdString(program.path().string()),
                                              QString::fromStdString(documents.path().string()));
    const bool ok = chosen == QString::fromStdString((documents.path() / "Tessarine").string()) &&
                    std::filesystem::is_directory(documents.path() / "Tessarine");
    _exit(ok ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  std::filesystem::permissions(program.path(), std::filesystem::perms::owner_all);
  // An installed program never writes beside itself, even for the superuser.
  EXPECT_EQ(ChooseOutputFolder("/usr/bin", QString::fromStdString(documents.path().string())),
            QString::fromStdString((documents.path() / "Tessarine").string()));
}

TEST_F(WindowTest, FilesGoToTheOutputFolderAndTheButtonOpensIt) {
  outputFolder = "/home/user/Documents/Tessarine";
  Open();
  Find<QPushButton>("generateButton")->click();
  ASSERT_TRUE(files.count("/home/user/Documents/Tessarine/Tessarine_2013_130106-142530.ics"));
  EXPECT_TRUE(shown[0].text.contains("/home/user/Documents/Tessarine/\r\n文件：Tessarine_2013_130106-142530.ics"))
      << shown[0].text.toStdString();
  Find<QPushButton>("openFolderButton")->click();
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0], QUrl::fromLocalFile("/home/user/Documents/Tessarine"));
}

// 控制 → 输出文件夹… chooses where files go, and the window remembers it;
// a folder that a file stands in the way of is explained, not opened.
TEST_F(WindowTest, TheOutputFolderIsChosenAndRemembered) {
  Open();
  chosenFolder = QString::fromStdString(config.File("calendars"));
  Action("outputFolderAction")->trigger();
  Open();
  Find<QPushButton>("generateButton")->click();
  EXPECT_EQ(files.count(config.File("calendars/Tessarine_2013_130106-142530.ics")), 1u);

  std::ofstream(config.File("Documents")) << "a file, not a folder";
  chosenFolder = QString::fromStdString(config.File("Documents/Tessarine"));
  Action("outputFolderAction")->trigger();
  shown.clear();
  Find<QPushButton>("openFolderButton")->click();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_TRUE(shown[0].text.contains("不是文件夹")) << shown[0].text.toStdString();
  EXPECT_TRUE(opened.empty());
}

TEST_F(WindowTest, FolderAndWebPage) {
  Open();
  Find<QPushButton>("openFolderButton")->click();
  Action("openFolderAction")->trigger();
  EXPECT_EQ(fileManager, (std::vector<QString>{"/opt/tessarine/tessarine", "/opt/tessarine/tessarine"}));
  Action("blogAction")->trigger();
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0].toString().toStdString(), std::string(kMakerAddress));
}

// Without a file manager or a browser, the window says so and gives the path.
TEST_F(WindowTest, NoFileManagerIsSaidNotSilent) {
  Open();
  desktopOpens = false;
  Find<QPushButton>("openFolderButton")->click();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, "没有找到能打开文件夹的程序。文件夹在：\r\n/opt/tessarine");
  Action("blogAction")->trigger();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_TRUE(shown[1].text.endsWith(QString::fromUtf8(kMakerAddress.data())));
}


TEST_F(WindowTest, ReturnAndEnterPressTheFocusedButton) {
  Open();
  auto* generate = Find<QPushButton>("generateButton");
  generate->setFocus();
  QTest::keyClick(generate, Qt::Key_Return);
  EXPECT_EQ(files.size(), 1u);
  Find<QPushButton>("clearTemplateButton")->setFocus();
  QTest::keyClick(Find<QPushButton>("clearTemplateButton"), Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(Find<QLineEdit>("templateEdit")->text(), "");
}

// The real message box, not the tests' replacement: Chinese buttons and the
// caption exactly as given.
TEST(MessageBoxTest, ChineseButtonsAndExactCaptions) {
  struct Seen {
    QString title;
    QStringList buttons;
  } seen;
  const auto look = [&seen] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    seen.title = box->windowTitle();
    for (QAbstractButton* button : box->buttons()) seen.buttons << button->text();
    box->reject();
  };
  QTimer::singleShot(0, look);
  ShowMessageBox(nullptr, "是否打开所在文件夹?", "提示", QMessageBox::Information, QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(seen.title, "提示");
  EXPECT_EQ(seen.buttons.filter(QRegularExpression("^(是|否)")).size(), 2) << seen.buttons.join(",").toStdString();
  seen = {};
  QTimer::singleShot(0, look);
  ShowMessageBox(nullptr, "x", "错误", QMessageBox::Critical, QMessageBox::Ok);
  EXPECT_EQ(seen.title, "错误");
  EXPECT_EQ(seen.buttons, QStringList{"确定"});
}

TEST(FlatStyleTest, FocusIsDrawn) {
  FlatStyle style;
  QImage image(40, 20, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  QStyleOptionFocusRect option;
  option.rect = image.rect();
  option.state = QStyle::State_HasFocus | QStyle::State_Enabled;
  style.drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter);
  painter.end();
  int accent = 0;
  for (int x = 0; x < image.width(); ++x) accent += image.pixelColor(x, 0) == QColor(60, 160, 250);
  EXPECT_GT(accent, image.width() / 4);  // a dotted line along the top

  // A focused tab bar's current tab, filled with the accent, shows a white
  // dotted frame.
  QImage tab(60, 24, QImage::Format_RGB32);
  const auto whiteOnAccent = [&](QStyle::State state) {
    tab.fill(Qt::black);
    QPainter tabPainter(&tab);
    QStyleOptionTab tabOption;
    tabOption.rect = tab.rect();
    tabOption.state = QStyle::State_Enabled | QStyle::State_Selected | state;
    style.drawControl(QStyle::CE_TabBarTabShape, &tabOption, &tabPainter);
    tabPainter.end();
    int white = 0;
    for (int x = 0; x < tab.width(); ++x) white += tab.pixelColor(x, 3) == QColor(Qt::white);
    return white;
  };
  EXPECT_EQ(whiteOnAccent({}), 0);
  EXPECT_GT(whiteOnAccent(QStyle::State_HasFocus), tab.width() / 4);
}

// The desktop's own checker, where it is installed: silent on a good file.
void ExpectValid(const QString& program, const QStringList& arguments) {
  if (QStandardPaths::findExecutable(program).isEmpty()) {
    ADD_FAILURE() << program.toStdString() << " is not installed (scripts/bootstrap.sh installs it)";
    return;
  }
  QProcess check;
  check.setProcessChannelMode(QProcess::MergedChannels);
  check.start(program, arguments);
  ASSERT_TRUE(check.waitForFinished(60000));
  EXPECT_EQ(check.exitCode(), 0) << check.readAll().toStdString();
}

QString ReadText(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  return QString::fromUtf8(file.readAll());
}

// Each language a user of the regions reads, with the word for the lunar
// calendar a search in it is made with; "" is the entry's own, English.
struct Locale {
  QString desktop, appStream, lunar;
};
const Locale kLocales[] = {
    {"", "", "lunar"},           {"zh_CN", "zh-CN", "农历"}, {"zh_TW", "zh-TW", "農曆"},
    {"zh_HK", "zh-HK", "農曆"}, {"ko", "ko", "음력"},       {"vi", "vi", "âm lịch"},
};

// Name, GenericName, Comment and Keywords in every language, each its own
// and not the English copied; a search for the lunar calendar in the
// language finds the program.
TEST(DesktopEntryTest, NamedAndFoundInEveryLanguage) {
  const QString path = TESSARINE_PACKAGING_SOURCE "/com.example.tessarine.desktop";
  std::map<QString, QString> entry;
  for (const QString& line : ReadText(path).split('\n')) {
    const qsizetype equals = line.indexOf('=');
    if (equals > 0) entry[line.left(equals)] = line.mid(equals + 1);
  }
  for (const Locale& locale : kLocales) {
    const QString suffix = locale.desktop.isEmpty() ? QString() : "[" + locale.desktop + "]";
    for (const QString key : {"Name", "GenericName", "Comment", "Keywords"}) {
      const QString value = entry[key + suffix];
      EXPECT_FALSE(value.isEmpty()) << (key + suffix).toStdString();
      if (!suffix.isEmpty()) {
        EXPECT_NE(value, entry[key]) << (key + suffix).toStdString();
      }
    }
    EXPECT_TRUE(entry["Keywords" + suffix].split(';').contains(locale.lunar)) << locale.desktop.toStdString();
  }
  ExpectValid("desktop-file-validate", {path});
}

// The metadata a software centre shows: a name, a summary and the keyword
// in every language; the newest release is this build's version and date.
TEST(AppStreamTest, EveryLanguageAndThisRelease) {
  const QString path = TESSARINE_PACKAGING_BUILD "/com.example.tessarine.metainfo.xml";
  QXmlStreamReader xml(ReadText(path));
  std::map<QString, QStringList> seen;  // element and language -> texts
  QString version, date;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    const QString name = xml.name().toString();
    if (name == "release" && version.isEmpty()) {
      version = xml.attributes().value("version").toString();
      date = xml.attributes().value("date").toString();
    } else if (name == "name" || name == "summary" || name == "keyword") {
      const QString language = xml.attributes().value("xml:lang").toString();
      seen[name + "/" + language] << xml.readElementText();
    }
  }
  ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  for (const Locale& locale : kLocales) {
    for (const QString element : {"name", "summary"}) {
      EXPECT_EQ(seen[element + "/" + locale.appStream].size(), 1) << (element + "/" + locale.appStream).toStdString();
    }
    const QStringList keywords = seen["keyword/" + locale.appStream];
    EXPECT_TRUE(keywords.filter(locale.lunar, Qt::CaseInsensitive).size() > 0) << locale.appStream.toStdString();
  }
  EXPECT_EQ(version.toStdString(), kVersion);
  EXPECT_EQ(date.toStdString(), kReleaseDate);
  ExpectValid("appstreamcli", {"validate", "--no-net", path});
}

// The Debian changelog's newest entry and the manual pages name the
// version the program names.
TEST(PackageVersionTest, ChangelogAndManualPagesNameTheVersion) {
  const QString changelog = ReadText(TESSARINE_PACKAGING_SOURCE "/changelog");
  EXPECT_TRUE(changelog.startsWith(QString("tessarine (%1) ").arg(kVersion.data()))) << changelog.left(40).toStdString();
  for (const char* page : {"/tessarine.1", "/tessarine-cli.1"}) {
    const QString head = ReadText(QString(TESSARINE_PACKAGING_BUILD) + page).section('\n', 0, 0);
    EXPECT_TRUE(head.contains(QString("\"%1\" \"Tessarine %2\"").arg(kReleaseDate.data(), kVersion.data())))
        << head.toStdString();
  }
}

}  // namespace
}  // namespace tessarine
