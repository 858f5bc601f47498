// The window's translations as written in Qt Linguist's sources: Taiwan's
// wording in zh_TW, and no text left in Chinese alone in the languages that
// are not Chinese.
#include <gtest/gtest.h>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <vector>

namespace tessarine {
namespace {

struct Message {
  QString source, translation;  // a numerus message's forms joined by newlines
};

std::vector<Message> MessagesOf(const QString& language) {
  QFile file(QStringLiteral(TESSARINE_TRANSLATIONS_DIR "/tessarine_%1.ts").arg(language));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
  std::vector<Message> messages;
  QXmlStreamReader xml(&file);
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == u"message") {
      messages.emplace_back();
    } else if (xml.name() == u"source") {
      messages.back().source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
    } else if (xml.name() == u"translation" && !xml.attributes().hasAttribute("type")) {
      messages.back().translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  return messages;
}

// Each finding in a zh_TW translation, and why it is not Taiwan's wording.
TEST(TranslationWordingTest, TraditionalChineseIsWrittenAsInTaiwan) {
  const struct {
    const char* pattern;
    const char* why;
  } rules[] = {
      {"目錄|文件夾|文件(?!/Tessarine)", "a folder is 資料夾, a file 檔案 (文件 only as the Documents folder)"},
      {"控制", "the menu is 選項, as Taiwan's programs name it"},
      {"[“”‘’]", "quotes are 「」 and 『』"},
      {"[,;?!]|\\((?!&)|(?<!&\\w)\\)", "commas, semicolons, marks and brackets are full-width (，；？！（）)"},
      {"(?<![0-9A-Za-z]):|:(?![0-9])", "a colon is full-width (：) but in a time such as 21:36"},
  };
  // A file chooser's filters ("辦公日曆表 (*.csv);;所有檔案 (*)") are Qt's syntax, not prose.
  const QRegularExpression filter("\\(\\*[^)]*\\)(;;)?");
  for (const Message& message : MessagesOf("zh_TW")) {
    const QString prose = QString(message.translation).remove(filter);
    for (const auto& rule : rules) {
      const QRegularExpressionMatch found = QRegularExpression(rule.pattern).match(prose);
      EXPECT_FALSE(found.hasMatch()) << rule.why << ": \"" << found.captured().toStdString() << "\" in "
                                     << message.translation.toStdString();
    }
  }
}

// A text in English, Korean or Vietnamese may show a lunar name as an
// example, but always beside words of its own language.
TEST(TranslationWordingTest, NoTextIsChineseAlone) {
  const QRegularExpression han("\\p{Han}");
  const QRegularExpression ownWords("[\\p{Latin}\\p{Hangul}]{2,}");
  for (const char* language : {"en", "ko", "vi"}) {
    for (const Message& message : MessagesOf(language)) {
      if (!message.translation.contains(han)) continue;
      EXPECT_TRUE(message.translation.contains(ownWords)) << language << ": " << message.translation.toStdString();
    }
  }
}

}  // namespace
}  // namespace tessarine
