#include "ui/main_window.h"

#include <QFileInfo>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/about_menu.h"
#include "ui/anniversaries_tab.h"
#include "ui/control_menu.h"
#include "ui/custom_format_tab.h"
#include "ui/holidays_tab.h"
#include "ui/instructions.h"
#include "ui/month_view.h"
#include "ui/named.h"
#include "ui/normal_format_tab.h"
#include "ui/qt_text.h"
#include "ui/rolling_feed.h"
#include "ui/side_pages.h"
#include "ui/wording_menus.h"
#include "ui/year_selector.h"

// The menu pictures live in a static library, whose resources the linker
// would drop unless they are registered by hand.
static void RegisterIcons() { Q_INIT_RESOURCE(icons); }

namespace tessarine {
namespace {

constexpr int kClientWidth = 799;
constexpr int kClientHeight = 306;

}  // namespace

MainWindow::MainWindow(DesktopServices services, QWidget* parent)
    : QMainWindow(parent),
      services_(std::move(services)),
      settings_(SettingsFile(services_), [this](std::error_code error) { sayNotStored(error); }) {
  setObjectName("mainWindow");
  setWindowTitle(tr("农历 iCal 文件生成器"));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
  QFont font({"Tahoma", "Noto Sans CJK SC", "WenQuanYi Micro Hei"});
  font.setPixelSize(12);
  setFont(font);

  RegisterIcons();
  setWindowIcon(QIcon(":/icons/tessarine.png"));  // the application's own icon, as in the desktop's menu
  buildMenus();

  auto* client = new QWidget;
  // The default size is the smallest, but wider where the window's language
  // needs it (showEvent); extra room goes to the text box and, in height, to
  // the tabs' tables.
  client->setMinimumSize(kClientWidth, kClientHeight);
  auto* columns = new QHBoxLayout(client);
  columns->setContentsMargins(6, 6, 6, 6);
  columns->setSpacing(6);
  columns->addWidget(buildLeftColumn());
  // Extra width goes to the tabs' tables and to the month view alike.
  columns->addWidget(buildFormatGroup(), 1);
  sidePages = new SidePages([this] { return services_.now().date(); }, font);
  columns->addWidget(sidePages, 1);
  setCentralWidget(client);
  generation_ = new GenerationRun(services_, [this] { return outputFolder(); }, this);
  rollingFeed_ = new RollingFeed(services_, generation_, this);
  wireParts();

  // The year lists run from the current year to the last described year.
  yearSelector->fillYears(services_.now().date().year());
  // Return and Enter press the focused button, as Space does.
  for (QPushButton* button : findChildren<QPushButton*>()) button->installEventFilter(this);
  adjustSize();
  resize(minimumSizeHint());
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenus() {
  controlMenu = new ControlMenu(settings_, services_.systemLocale(), menuBar());
  menuBar()->addMenu(controlMenu);
  auto* aboutMenu = new AboutMenu(menuBar());
  menuBar()->addMenu(aboutMenu);
  connect(controlMenu, &ControlMenu::instructionsRequested, this, &MainWindow::showInstructions);
  connect(controlMenu, &ControlMenu::generateRequested, this, &MainWindow::generate);
  connect(controlMenu, &ControlMenu::skyCalendarRequested, this, &MainWindow::generateSky);
  connect(controlMenu, &ControlMenu::rollingFeedRequested, this, &MainWindow::generateRollingFeed);
  connect(controlMenu, &ControlMenu::outputFolderRequested, this, &MainWindow::chooseOutputFolder);
  connect(controlMenu, &ControlMenu::openFolderRequested, this, &MainWindow::openOutputFolder);
  connect(controlMenu, &ControlMenu::exitRequested, this, &QWidget::close);
  connect(controlMenu->wording(), &WordingMenus::interfaceLanguageChosen, this, &MainWindow::interfaceLanguageChosen);
  connect(aboutMenu, &AboutMenu::makerPageRequested, this, &MainWindow::openMakerPage);
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
  auto* group = Named<QGroupBox>("controlGroup", tr(" 控制 "));
  auto* controls = new QVBoxLayout(group);
  controls->setContentsMargins(6, 4, 6, 6);
  controls->setSpacing(4);
  auto* instructionsButton = Named<QPushButton>("instructionsButton", tr("使用说明"));
  auto* generateButton = Named<QPushButton>("generateButton", tr("生成 &iCal"));  // Alt+C is 控制
  QFont bold = generateButton->font();
  bold.setBold(true);
  generateButton->setFont(bold);
  generateButton->setFixedHeight(34);
  auto* openFolderButton = Named<QPushButton>("openFolderButton", tr("打开文件夹"));
  auto* exitButton = Named<QPushButton>("exitButton", tr("退       出"));
  for (QPushButton* button : {instructionsButton, generateButton, openFolderButton, exitButton}) {
    controls->addWidget(button);
  }
  connect(instructionsButton, &QPushButton::clicked, this, &MainWindow::showInstructions);
  connect(generateButton, &QPushButton::clicked, this, &MainWindow::generate);
  connect(openFolderButton, &QPushButton::clicked, this, &MainWindow::openOutputFolder);
  connect(exitButton, &QPushButton::clicked, this, &QWidget::close);
  return group;
}

QWidget* MainWindow::buildFormatGroup() {
  auto* group = Named<QGroupBox>("formatGroup");
  // As wide as its widest tab needs: 392 in Chinese, which the default size
  // is made for, and more where the words are longer (English, Vietnamese);
  // the window widens rather than letting the tabs' items overlap.
  auto* layout = new QVBoxLayout(group);
  layout->setContentsMargins(4, 4, 4, 4);
  formatTabs = Named<QTabWidget>("formatTabs");
  normalTab = new NormalFormatTab;
  customTab = new CustomFormatTab;
  formatTabs->addTab(normalTab, tr("普通格式"));
  formatTabs->addTab(customTab, tr("自定义格式"));
  anniversariesTab = new AnniversariesTab(services_.anniversaryListFile(), [this] { return services_.now().date(); });
  formatTabs->addTab(anniversariesTab, tr("纪念日"));
  holidaysTab = new HolidaysTab(QFileInfo(services_.anniversaryListFile()).dir().filePath("holidays.csv"),
                                [this](const QString& question) {
                                  return message(question, tr("保存这一年"), QMessageBox::Question,
                                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
                                });
  formatTabs->addTab(holidaysTab, tr("节假日"));
  layout->addWidget(formatTabs);
  return group;
}

// What changes what: every option the titles, the marks or the list hang on
// refreshes the month view; the month view's day is the custom preview's.
void MainWindow::wireParts() {
  connect(anniversariesTab, &AnniversariesTab::openFolderRequested, this,
          [this](const QString& folder) { showInFolder(folder, false); });
  connect(sidePages, &SidePages::showFileRequested, this, [this](const QString& path) { showInFolder(path, true); });
  connect(sidePages->monthView(), &MonthView::selectedDateChanged, customTab, &CustomFormatTab::setPreviewDate);
  connect(controlMenu, &ControlMenu::titleOptionsChanged, this, &MainWindow::applyTitleOptions);
  connect(controlMenu->wording(), &WordingMenus::changed, this, &MainWindow::applyTitleOptions);
  applyTitleOptions();  // the remembered calendar and language; the month view follows
  connect(formatTabs, &QTabWidget::currentChanged, this, &MainWindow::refreshMonthView);
  connect(customTab, &CustomFormatTab::templateChanged, this, &MainWindow::refreshMonthView);
  connect(normalTab, &NormalFormatTab::formatChanged, this, &MainWindow::refreshMonthView);
  connect(anniversariesTab, &AnniversariesTab::entriesChanged, this, &MainWindow::refreshMonthView);
  connect(controlMenu, &ControlMenu::holidayMarksChanged, this, &MainWindow::refreshMonthView);
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (event->spontaneous()) return;
  // Measured once the style and the fonts are in place: the tabs' items in
  // English or Vietnamese need more than the default width.
  const int wide = centralWidget()->minimumSizeHint().width();
  if (wide > centralWidget()->minimumWidth()) {
    centralWidget()->setMinimumWidth(wide);
    resize(minimumSizeHint());
  }
  if (const QScreen* screen = this->screen()) move(screen->availableGeometry().center() - rect().center());
  formatTabs->setCurrentIndex(0);
  customTab->setDefaultTemplate();
  // 使用说明 waits behind the month view, which is what the window opens on.
  setTextBox(InstructionsText());
  sidePages->showMonthPage();
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
  format.monthNaming = controlMenu->monthNaming();
  format.calendar = controlMenu->wording()->calendar();
  format.region = controlMenu->wording()->region();
  format.language = controlMenu->wording()->language();
  if (formatTabs->currentWidget() == customTab) {
    format.style = customTab->format();
  } else {
    NormalFormat normal = normalTab->format();
    normal.withMoonPhases = controlMenu->withMoonPhases();
    normal.withSeasonCounts = controlMenu->withSeasonCounts();
    format.style = normal;
  }
  return format;
}

void MainWindow::applyTitleOptions() {
  const TitleFormat format = titleFormat();
  customTab->setTitleOptions(format.monthNaming, format.language, format.calendar, format.region);
  anniversariesTab->setWording(format.calendar, format.language, format.monthNaming);
  holidaysTab->setRegion(format.region, format.language);
  refreshMonthView();
}

void MainWindow::refreshMonthView() {
  const TitleFormat format = titleFormat();
  monthContent_.show(*sidePages->monthView(), format, holidaysTab->knownSchedules(format.region),
                     controlMenu->holidayMarks(), anniversariesTab->entries());
}

void MainWindow::setTextBox(const QString& text) { sidePages->setText(text); }

void MainWindow::showInstructions() {
  setTextBox(InstructionsText());
  sidePages->showTextPage();
}

}  // namespace tessarine
