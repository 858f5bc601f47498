#include "ui/main_window.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTabWidget>
#include <QVBoxLayout>

#include "compose/template_engine.h"
#include "ui/anniversaries_tab.h"
#include "ui/custom_format_tab.h"
#include "ui/holidays_tab.h"
#include "ui/instructions.h"
#include "ui/named.h"
#include "ui/normal_format_tab.h"
#include "ui/qt_text.h"
#include "ui/year_selector.h"
#include "version.h"

// The menu pictures live in a static library, whose resources the linker
// would drop unless they are registered by hand.
static void RegisterIcons() { Q_INIT_RESOURCE(icons); }

namespace tessarine {
namespace {

constexpr int kClientWidth = 799;
constexpr int kClientHeight = 306;

QAction* NamedAction(QMenu* menu, const char* name, const QString& caption) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(name);
  return action;
}

}  // namespace

MainWindow::MainWindow(DesktopServices services, QWidget* parent)
    : QMainWindow(parent), services_(std::move(services)) {
  setObjectName("mainWindow");
  setWindowTitle(tr("农历 iCal 文件生成器"));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
  QFont font({"Tahoma", "Noto Sans CJK SC", "WenQuanYi Micro Hei"});
  font.setPixelSize(12);
  setFont(font);

  RegisterIcons();
  menuIcons_ = {QIcon(":/icons/instructions.xpm"), QIcon(":/icons/generate.xpm"), QIcon(":/icons/exit.xpm"),
                QIcon(":/icons/tessarine.png")};
  setWindowIcon(menuIcons_[3]);  // the application's own icon, as in the desktop's menu
  buildMenu();

  auto* client = new QWidget;
  // The default size is the smallest; extra room goes to the text box and,
  // in height, to the tabs' tables.
  client->setMinimumSize(kClientWidth, kClientHeight);
  auto* columns = new QHBoxLayout(client);
  columns->setContentsMargins(6, 6, 6, 6);
  columns->setSpacing(6);
  columns->addWidget(buildLeftColumn());
  // Extra width goes to the tabs' tables and to the month view alike.
  columns->addWidget(buildFormatGroup(), 1);
  columns->addWidget(buildSidePages(font), 1);
  setCentralWidget(client);
  applyTitleOptions();  // the remembered calendar and language; the month view follows
  connect(formatTabs, &QTabWidget::currentChanged, this, &MainWindow::refreshMonthView);
  connect(customTab, &CustomFormatTab::templateChanged, this, &MainWindow::refreshMonthView);
  connect(normalTab, &NormalFormatTab::formatChanged, this, &MainWindow::refreshMonthView);
  connect(anniversariesTab, &AnniversariesTab::entriesChanged, this, &MainWindow::refreshMonthView);
  connect(holidayMarksAction, &QAction::toggled, this, &MainWindow::refreshMonthView);

  // The year lists run from the current year to the last described year.
  yearSelector->fillYears(services_.now().date().year());
  // Return and Enter press the focused button, as Space does.
  for (QPushButton* button : findChildren<QPushButton*>()) button->installEventFilter(this);
  adjustSize();
  resize(minimumSizeHint());
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenu() {
  controlMenu = menuBar()->addMenu(tr("控制(&C)"));
  controlMenu->setObjectName("controlMenu");
  instructionsAction = NamedAction(controlMenu, "instructionsAction", tr("使用说明(&H) "));
  instructionsAction->setIcon(menuIcons_[0]);
  generateAction = NamedAction(controlMenu, "generateAction", tr("生成 iCal(&I)"));
  generateAction->setIcon(menuIcons_[1]);
  monthNamesAction = NamedAction(controlMenu, "monthNamesAction", tr("使用冬,腊月显示"));
  monthNamesAction->setCheckable(true);
  monthNamesAction->setChecked(true);
  buildWordingMenus();
  buildAlmanacItems();
  buildFeedItems();
  completionPromptAction = NamedAction(controlMenu, "completionPromptAction", tr("生成后弹出提示框(&P)"));
  completionPromptAction->setCheckable(true);
  completionPromptAction->setChecked(true);
  holidayMarksAction = rememberedToggle("holidayMarksAction", tr("标注休/班"), tr("在官方放假和调休上班的日子后加上 (休) 或 (班)"));
  singleFileAction = rememberedToggle("singleFileAction", tr("合并为一个文件"), tr("所选的多个年份写进一个文件，一次导入"));
  fixedNameAction = rememberedToggle("fixedNameAction", tr("固定文件名"),
                                     tr("文件名不带生成时间（如 Tessarine_2026.ics），再次生成时替换旧文件，便于同步文件夹提供订阅链接"));
  outputFolderAction = NamedAction(controlMenu, "outputFolderAction", tr("输出文件夹…"));
  outputFolderAction->setToolTip(tr("选择生成的 iCal 文件存放的文件夹"));
  openFolderAction = NamedAction(controlMenu, "openFolderAction", tr("打开所在文件夹(&O)"));
  controlMenu->addSeparator();
  exitAction = NamedAction(controlMenu, "exitAction", tr("退出(&X)"));
  exitAction->setIcon(menuIcons_[2]);

  aboutMenu = menuBar()->addMenu(tr("关于(&A)"));
  aboutMenu->setObjectName("aboutMenu");
  titleAction = NamedAction(aboutMenu, "titleAction", tr("&Tessarine - 农历iCal文件生成器   "));
  titleAction->setIcon(menuIcons_[3]);
  QFont bold = titleAction->font();
  bold.setBold(true);
  titleAction->setFont(bold);
  aboutMenu->setDefaultAction(titleAction);
  aboutMenu->addSeparator();
  versionAction = NamedAction(aboutMenu, "versionAction", QString("Ver %1  / 2013-01-06").arg(ToQString(kVersion)));
  authorAction = NamedAction(aboutMenu, "authorAction", MakerName());
  feedbackMenu = aboutMenu->addMenu(tr("问题反馈"));
  feedbackMenu->setObjectName("feedbackMenu");
  blogAction = NamedAction(feedbackMenu, "blogAction", "@blog");

  connect(instructionsAction, &QAction::triggered, this, &MainWindow::showInstructions);
  connect(generateAction, &QAction::triggered, this, &MainWindow::onGenerateClicked);
  connect(monthNamesAction, &QAction::triggered, this, &MainWindow::onMonthNamesToggled);
  connect(openFolderAction, &QAction::triggered, this, &MainWindow::onOpenFolderClicked);
  connect(outputFolderAction, &QAction::triggered, this, &MainWindow::onChooseOutputFolder);
  connect(exitAction, &QAction::triggered, this, &QWidget::close);
  connect(blogAction, &QAction::triggered, this, [this] {
    const QString address = ToQString(kMakerAddress);
    if (!services_.openUrl(QUrl(address))) message(tr("没有找到能打开网页的程序。地址是：\r\n%1").arg(address), "Tessarine", QMessageBox::Information);
  });
}

QWidget* MainWindow::buildFormatGroup() {
  formatGroup = Named<QGroupBox>("formatGroup");
  formatGroup->setMinimumWidth(392);
  auto* layout = new QVBoxLayout(formatGroup);
  layout->setContentsMargins(4, 4, 4, 4);
  formatTabs = Named<QTabWidget>("formatTabs");
  normalTab = new NormalFormatTab;
  customTab = new CustomFormatTab;
  formatTabs->addTab(normalTab, tr("普通格式"));
  formatTabs->addTab(customTab, tr("自定义格式"));
  anniversariesTab = new AnniversariesTab(services_.anniversaryListFile(), [this] { return services_.now().date(); });
  formatTabs->addTab(anniversariesTab, tr("纪念日"));
  connect(anniversariesTab, &AnniversariesTab::openFolderRequested, this,
          [this](const QString& folder) { showInFolder(folder, false); });
  holidaysTab = new HolidaysTab(QFileInfo(services_.anniversaryListFile()).dir().filePath("holidays.csv"),
                                [this](const QString& question) {
                                  return message(question, tr("保存这一年"), QMessageBox::Question,
                                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
                                });
  formatTabs->addTab(holidaysTab, tr("节假日"));
  layout->addWidget(formatTabs);
  return formatGroup;
}

QWidget* MainWindow::buildTextBox(const QFont& font) {
  textBox = Named<QPlainTextEdit>("textBox");
  textBox->setReadOnly(true);
  textBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  textBox->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  textBox->setFont(font);
  return textBox;
}

QWidget* MainWindow::buildLeftColumn() {
  auto* column = new QWidget;
  column->setFixedWidth(118);
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  yearSelector = new YearSelector;
  layout->addWidget(yearSelector);
  layout->addWidget(buildControlGroup());
  layout->addStretch();
  return column;
}

QWidget* MainWindow::buildControlGroup() {
  controlGroup = Named<QGroupBox>("controlGroup", tr(" 控制 "));
  auto* controls = new QVBoxLayout(controlGroup);
  controls->setContentsMargins(6, 4, 6, 6);
  controls->setSpacing(4);
  instructionsButton = Named<QPushButton>("instructionsButton", tr("使用说明"));
  generateButton = Named<QPushButton>("generateButton", tr("生成 &iCal"));  // Alt+C is 控制
  QFont bold = generateButton->font();
  bold.setBold(true);
  generateButton->setFont(bold);
  generateButton->setFixedHeight(34);
  openFolderButton = Named<QPushButton>("openFolderButton", tr("打开文件夹"));
  exitButton = Named<QPushButton>("exitButton", tr("退       出"));
  for (QPushButton* button : {instructionsButton, generateButton, openFolderButton, exitButton}) {
    controls->addWidget(button);
  }
  connect(instructionsButton, &QPushButton::clicked, this, &MainWindow::showInstructions);
  connect(generateButton, &QPushButton::clicked, this, &MainWindow::onGenerateClicked);
  connect(openFolderButton, &QPushButton::clicked, this, &MainWindow::onOpenFolderClicked);
  connect(exitButton, &QPushButton::clicked, this, &QWidget::close);
  return controlGroup;
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (event->spontaneous()) return;
  if (const QScreen* screen = this->screen()) move(screen->availableGeometry().center() - rect().center());
  formatTabs->setCurrentIndex(0);
  customTab->setTemplate(ToQString(DefaultTemplate));
  // 使用说明 waits behind the month view, which is what the window opens on.
  setTextBox(InstructionsText());
  sidePages->setCurrentIndex(0);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    auto* button = qobject_cast<QPushButton*>(watched);
    if (button && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
        (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
      button->click();
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

TitleFormat MainWindow::titleFormat() const {
  TitleFormat format;
  format.monthNaming = monthNamesAction->isChecked() ? MonthNaming::WinterAndLast : MonthNaming::Numbered;
  format.calendar = chosenCalendar();
  format.region = RegionOf(format.calendar);  // the window has no region of its own yet
  format.language = chosenLanguage();
  if (formatTabs->currentWidget() == customTab) {
    format.style = customTab->format();
  } else {
    NormalFormat normal = normalTab->format();
    normal.withMoonPhases = moonPhasesAction->isChecked();
    normal.withSeasonCounts = sanfuShujiuAction->isChecked();
    format.style = normal;
  }
  return format;
}

void MainWindow::onMonthNamesToggled() { applyTitleOptions(); }

void MainWindow::setTextBox(const QString& text) {
  QString plain = text;
  plain.replace("\r\n", "\n");
  textBox->setPlainText(plain);
}

void MainWindow::showInstructions() {
  setTextBox(InstructionsText());
  sidePages->setCurrentIndex(1);
}

void MainWindow::reportError(const std::exception& error) {
  QString text = QString::fromUtf8(error.what());
  if (!text.endsWith('.')) text += '.';
  message(text, "Tessarine", QMessageBox::Critical);
}

QAction* MainWindow::rememberedToggle(const char* name, const QString& caption, const QString& tip) {
  QAction* action = NamedAction(controlMenu, name, caption);
  action->setCheckable(true);
  action->setToolTip(tip);
  action->setChecked(QSettings(settingsFile(), QSettings::IniFormat).value(name, false).toBool());
  connect(action, &QAction::toggled, this,
          [this, name](bool on) { storeSetting(name, on ? "true" : "false"); });
  return action;
}

QString MainWindow::settingsFile() const {
  return ReadableSettingsFile(SettingsFile(services_));
}

}  // namespace tessarine
