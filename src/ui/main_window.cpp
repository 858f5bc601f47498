#include "ui/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QAbstractItemView>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

#include "compose/template_engine.h"
#include "export/ical_text.h"
#include "ui/flat_style.h"
#include "ui/instructions.h"
#include "ui/qt_text.h"

// The menu pictures live in a static library, whose resources the linker
// would drop unless they are registered by hand.
static void RegisterIcons() { Q_INIT_RESOURCE(icons); }

namespace tessarine {
namespace {

constexpr int kClientWidth = 799;
constexpr int kClientHeight = 306;

template <typename Widget, typename... Args>
Widget* Named(const char* name, Args&&... args) {
  auto* widget = new Widget(std::forward<Args>(args)...);
  widget->setObjectName(name);
  return widget;
}

QAction* NamedAction(QMenu* menu, const char* name, const QString& caption) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(name);
  return action;
}

}  // namespace

TForm1::TForm1(DesktopServices services, QWidget* parent) : QMainWindow(parent), services_(std::move(services)) {
  FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::FormCreate() {
  setObjectName("Form1");
  setWindowTitle("Tessarine");
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  QFont font({"Tahoma", "Noto Sans CJK SC", "WenQuanYi Micro Hei"});
  font.setPixelSize(12);
  setFont(font);

  // The flat look, owned by the application once switched on; the window
  // keeps a reference until it closes.
  flatStyle_ = new FlatStyle;
  QApplication::setStyle(flatStyle_);

  RegisterIcons();
  il1 = {QIcon(":/icons/instructions.xpm"), QIcon(":/icons/generate.xpm"), QIcon(":/icons/exit.xpm"),
         QIcon(":/icons/tessarine.xpm")};
  setWindowIcon(il1[3]);
  BuildMenu();

  auto* client = new QWidget;
  client->setFixedSize(kClientWidth, kClientHeight);
  auto* columns = new QHBoxLayout(client);
  columns->setContentsMargins(6, 6, 6, 6);
  columns->setSpacing(6);
  columns->addWidget(BuildYearColumn());

  grp6 = Named<QGroupBox>("grp6");
  grp6->setFixedWidth(392);
  auto* middle = new QVBoxLayout(grp6);
  middle->setContentsMargins(4, 4, 4, 4);
  pgc1 = Named<QTabWidget>("pgc1");
  ts1 = BuildNormalTab();
  ts2 = BuildCustomTab();
  pgc1->addTab(ts1, "普通格式");
  pgc1->addTab(ts2, "自定义格式");
  middle->addWidget(pgc1);
  columns->addWidget(grp6);

  redt1 = Named<QPlainTextEdit>("redt1");
  redt1->setReadOnly(true);
  redt1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  redt1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  QFont boxFont = font;
  boxFont.setPixelSize(12);
  redt1->setFont(boxFont);
  columns->addWidget(redt1, 1);
  setCentralWidget(client);

  connect(pgc1, &QTabWidget::currentChanged, this, [this](int index) { index == 0 ? ts1Show() : ts2Show(); });

  // The year lists run from the current year to 2050.
  const int currentYear = services_.Now().date().year();
  for (int year = currentYear; year <= kLastYear; ++year) {
    cbbY1->addItem(QString::number(year));
    cbbY2->addItem(QString::number(year));
  }
  chkYEnd->setChecked(false);
  cbbY2->setEnabled(false);
  options_.bolYs = false;
  options_.bolNoFT = false;
  cbbY1->setCurrentIndex(cbbY1->count() > 0 ? 0 : -1);
  if (cbbY1->count() == 0) cbbY1->setEditText("");
  cbbY2->setCurrentIndex(cbbY1->currentIndex());

  adjustSize();
  setFixedSize(sizeHint());
}

void TForm1::BuildMenu() {
  mm1 = menuBar();
  mm1->setObjectName("mm1");
  N1 = mm1->addMenu("控制(&C)");
  N1->setObjectName("N1");
  N4 = NamedAction(N1, "N4", "使用说明(&H) ");
  N4->setIcon(il1[0]);
  iCal1 = NamedAction(N1, "iCal1", "生成 iCal(&I)");
  iCal1->setIcon(il1[1]);
  N5 = NamedAction(N1, "N5", "使用冬,腊月显示");
  N5->setCheckable(true);
  N5->setChecked(true);
  P1 = NamedAction(N1, "P1", "生成后弹出提示框(&P)");
  P1->setCheckable(true);
  P1->setChecked(true);
  O1 = NamedAction(N1, "O1", "打开所在文件夹(&O)");
  N1->addSeparator()->setObjectName("N3");
  X1 = NamedAction(N1, "X1", "退出(&X)");
  X1->setIcon(il1[2]);

  A1 = mm1->addMenu("关于(&A)");
  A1->setObjectName("A1");
  Title1 = NamedAction(A1, "Title1", "&Tessarine - 农历iCal文件生成器   ");
  Title1->setIcon(il1[3]);
  QFont bold = Title1->font();
  bold.setBold(true);
  Title1->setFont(bold);
  A1->setDefaultAction(Title1);
  A1->addSeparator()->setObjectName("N2");
  Ver100201112201 = NamedAction(A1, "Ver100201112201", "Ver 1.13  / 2013-01-06");
  Author1 = NamedAction(A1, "Author1", ToQString(kMakerName));
  Feedback1 = A1->addMenu("问题反馈");
  Feedback1->setObjectName("Feedback1");
  t1632 = NamedAction(Feedback1, "t1632", "@blog");

  connect(N4, &QAction::triggered, this, &TForm1::ShowInstructions);
  connect(iCal1, &QAction::triggered, this, &TForm1::btn3Click);
  connect(N5, &QAction::triggered, this, &TForm1::N5Click);
  connect(P1, &QAction::triggered, this, &TForm1::P1Click);
  connect(O1, &QAction::triggered, this, &TForm1::btn4Click);
  connect(X1, &QAction::triggered, this, &QWidget::close);
  connect(t1632, &QAction::triggered, this, &TForm1::t1632Click);
}

QWidget* TForm1::BuildYearColumn() {
  auto* column = new QWidget;
  column->setFixedWidth(118);
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);

  grp3 = Named<QGroupBox>("grp3", " 选择年份 ");
  auto* years = new QVBoxLayout(grp3);
  years->setContentsMargins(6, 4, 6, 6);
  years->setSpacing(4);
  cbbY1 = Named<QComboBox>("cbbY1");
  cbbY1->setEditable(true);
  cbbY1->setInsertPolicy(QComboBox::NoInsert);  // a typed year never joins the list
  cbbY1->lineEdit()->setMaxLength(4);
  // Typed keys are filtered in cbbY1KeyPress; the validator also refuses a
  // paste of anything but digits.
  cbbY1->lineEdit()->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{0,4}"), cbbY1));
  cbbY1->lineEdit()->installEventFilter(this);
  cbbY1->view()->installEventFilter(this);
  connect(cbbY1->lineEdit(), &QLineEdit::textEdited, this, [this] { yearTyped_ = true; });
  chkYEnd = Named<QCheckBox>("chkYEnd", "结束年份");
  cbbY2 = Named<QComboBox>("cbbY2");
  years->addWidget(cbbY1);
  years->addWidget(chkYEnd);
  years->addWidget(cbbY2);
  layout->addWidget(grp3);

  grp4 = Named<QGroupBox>("grp4", " 控制 ");
  auto* controls = new QVBoxLayout(grp4);
  controls->setContentsMargins(6, 4, 6, 6);
  controls->setSpacing(4);
  btn1 = Named<QPushButton>("btn1", "使用说明");
  btn3 = Named<QPushButton>("btn3", "生成 i&Cal");
  // The menu 控制(&C) owns Alt+C: the button shows its access key but does
  // not take the shortcut, so Alt+C, I generates as the menu promises.
  btn3->setShortcut(QKeySequence());
  QFont bold = btn3->font();
  bold.setBold(true);
  btn3->setFont(bold);
  btn3->setFixedHeight(34);
  btn4 = Named<QPushButton>("btn4", "打开文件夹");
  btn2 = Named<QPushButton>("btn2", "退       出");
  for (QPushButton* button : {btn1, btn3, btn4, btn2}) controls->addWidget(button);
  layout->addWidget(grp4);
  layout->addStretch();

  connect(cbbY1, &QComboBox::activated, this, &TForm1::cbbY1Select);
  connect(cbbY2, &QComboBox::activated, this, &TForm1::cbbY2Select);
  connect(chkYEnd, &QCheckBox::clicked, this, &TForm1::chkYEndClick);
  connect(btn1, &QPushButton::clicked, this, &TForm1::ShowInstructions);
  connect(btn3, &QPushButton::clicked, this, &TForm1::btn3Click);
  connect(btn4, &QPushButton::clicked, this, &TForm1::btn4Click);
  connect(btn2, &QPushButton::clicked, this, &QWidget::close);
  return column;
}

QWidget* TForm1::BuildNormalTab() {
  auto* page = Named<QWidget>("ts1");
  auto* layout = new QHBoxLayout(page);

  grp5 = Named<QGroupBox>("grp5", "农历信息内容控制");
  auto* content = new QVBoxLayout(grp5);
  chkNoFT = Named<QCheckBox>("chkNoFT", "无节日节气");
  rb6 = Named<QRadioButton>("rb6", "日期");
  rb7 = Named<QRadioButton>("rb7", "月份+日期");
  rb8 = Named<QRadioButton>("rb8", "节日节气");
  rb9 = Named<QRadioButton>("rb9", "节气");
  rb6->setChecked(true);
  content->addWidget(chkNoFT);
  for (QRadioButton* button : {rb6, rb7, rb8, rb9}) content->addWidget(button);
  content->addStretch();

  grp2 = Named<QGroupBox>("grp2", " 同一天有节日与节气 ");
  auto* both = new QVBoxLayout(grp2);
  rb3 = Named<QRadioButton>("rb3", "显示 - 节日");
  rb4 = Named<QRadioButton>("rb4", "显示 - 节气");
  rb5 = Named<QRadioButton>("rb5", "显示 - 节日/节气");
  rb3->setChecked(true);
  for (QRadioButton* button : {rb3, rb4, rb5}) both->addWidget(button);
  both->addStretch();

  layout->addWidget(grp5);
  layout->addWidget(grp2);

  // Each radio button sets its option when it is the selected one.
  const std::pair<QRadioButton*, int> modes[] = {{rb6, 0}, {rb7, 1}, {rb8, 2}, {rb9, 3}};
  for (const auto& [button, mode] : modes) {
    connect(button, &QRadioButton::toggled, this, [this, mode = mode](bool on) {
      if (on) options_.intDispMode = mode;
    });
  }
  const std::pair<QRadioButton*, int> rules[] = {{rb3, 0}, {rb4, 1}, {rb5, 2}};
  for (const auto& [button, rule] : rules) {
    connect(button, &QRadioButton::toggled, this, [this, rule = rule](bool on) {
      if (on) options_.intBothFT = rule;
    });
  }
  connect(chkNoFT, &QCheckBox::clicked, this, &TForm1::chkNoFTClick);
  return page;
}

void TForm1::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void TForm1::FormShow() {
  if (const QScreen* screen = this->screen()) move(screen->availableGeometry().center() - rect().center());
  pgc1->setCurrentIndex(0);
  ts1Show();
  edtDIY->setText(ToQString(DefaultTemplate));
  ShowInstructions();
}

void TForm1::closeEvent(QCloseEvent* event) {
  FormClose();
  QMainWindow::closeEvent(event);
}

void TForm1::FormClose() { flatStyle_.clear(); }

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (watched == cbbY1->lineEdit() && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
      yearTyped_ = false;  // stepping through the list chooses a year
    }
    return cbbY1KeyPress(static_cast<QKeyEvent*>(event));
  }
  if (watched == cbbY1->view() && event->type() == QEvent::Show) yearTyped_ = false;
  return QMainWindow::eventFilter(watched, event);
}

bool TForm1::cbbY1KeyPress(QKeyEvent* event) {
  // Only characters are filtered: digits and Backspace pass, any other
  // printable character is discarded; keys without one (arrows, Delete,
  // shortcuts) keep their meaning.
  const QString text = event->text();
  if (text.isEmpty() || event->key() == Qt::Key_Backspace) return false;
  const QChar c = text.front();
  if (c.isDigit() && c.unicode() < 128) return false;
  return c.isPrint();
}

void TForm1::cbbY1Select() {
  if (yearTyped_) return;
  if (cbbY2->currentIndex() < cbbY1->currentIndex()) cbbY2->setCurrentIndex(cbbY1->currentIndex());
}

void TForm1::cbbY2Select() {
  if (cbbY2->currentIndex() < cbbY1->currentIndex()) cbbY1->setCurrentIndex(cbbY2->currentIndex());
}

void TForm1::chkYEndClick() {
  options_.bolYs = chkYEnd->isChecked();
  cbbY2->setEnabled(options_.bolYs);
}

void TForm1::chkNoFTClick() {
  options_.bolNoFT = chkNoFT->isChecked();
  for (QRadioButton* button : {rb3, rb4, rb5, rb8, rb9}) button->setEnabled(!options_.bolNoFT);
  if (!rb6->isChecked() && !rb7->isChecked()) rb6->setChecked(true);
}

void TForm1::ts1Show() { options_.bolDIY = false; }

void TForm1::ts2Show() { options_.bolDIY = true; }

void TForm1::N5Click() { options_.bolDongLa = N5->isChecked(); }

void TForm1::P1Click() { options_.bolShowTip = P1->isChecked(); }

void TForm1::btn3Click() {
  try {
    exporter_.ExportRange(cbbY1->currentText().toStdString(), cbbY2->currentText().toStdString());
  } catch (const std::exception& error) {
    ReportError(error);
  }
}

void TForm1::btn4Click() { exporter_.OpenProgramFolder(); }

void TForm1::t1632Click() { services_.OpenUrl(QUrl(ToQString(kMakerAddress))); }

void TForm1::FocusYearBox(YearBox box) { (box == YearBox::Start ? cbbY1 : cbbY2)->setFocus(); }

void TForm1::SetPreviewText(const QString& text) {
  QString plain = text;
  plain.replace("\r\n", "\n");
  redt1->setPlainText(plain);
}

void TForm1::ShowInstructions() {
  SetPreviewText(ToQString(InstructionsText()));
}

void TForm1::ReportError(const std::exception& error) {
  QString text = QString::fromUtf8(error.what());
  if (!text.endsWith('.')) text += '.';
  services_.ShowMessage(this, text, "Tessarine", QMessageBox::Critical, QMessageBox::Ok);
}

}  // namespace tessarine
