#include "app/qt/main_window.h"


#include <QApplication>
#include <QCloseEvent>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include "app/main_window_logic.h"
#include "app/program_folder.h"
#include "app/qt/desktop_services.h"
#include "platform/file_io.h"
#include "platform/qt/fonts.h"
#include "platform/qt/qt_launcher.h"
#include "platform/qt/qt_message_box.h"
#include "platform/qt/qt_surface.h"

namespace ventorel {

namespace {

bool isUserInput(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
      return true;
    default:
      return false;
  }
}

}  // namespace

MainWindow::MainWindow(WindowServices services) {
  takeDesktopServices(services, this, ownMessages_, ownLauncher_);
  messages_ = services.messages;
  launcher_ = services.launcher;
  programFolder_ = services.programFolder;
  dataLookedIn_ = services.dataLookedIn;
  embedded_ = services.data != nullptr;
  data_ = std::move(services.data);
  saved_ = std::move(services.settings);

  buildControls();
  startUp();
  // Input that reaches the window while a run is busy is dropped (see eventFilter).
  qApp->installEventFilter(this);
}

MainWindow::~MainWindow() {
  if (qApp) qApp->removeEventFilter(this);
}

void MainWindow::buildControls() {
  setObjectName("Form1");
  setWindowTitle(WindowCaption);
  const QString family = japaneseFontFamily();
  QFont windowFont(family);
  windowFont.setPointSizeF(DefaultFontPoints);
  setFont(windowFont);

  // The surface first, so that the controls lie on top of it.
  surface_ = new QtSurface(family, this);
  text1_ = new QLineEdit(this);
  command1_ = new QPushButton(QString::fromUtf8(CreateButtonText), this);
  command2_ = new QPushButton(QString::fromUtf8(NextYearText), this);
  command3_ = new QPushButton(QString::fromUtf8(PreviousYearText), this);
  label3_ = new QLabel(QString::fromUtf8(YearLabelText), this);
  combo1_ = new QComboBox(this);
  combo1_->setEditable(true);
  // Typing never adds an entry, and there is no completion that would change
  // the typed text behind the user's back.
  combo1_->setInsertPolicy(QComboBox::NoInsert);
  combo1_->setCompleter(nullptr);
  // The label is transparent: the part of it that the format list does not
  // cover would otherwise show as a grey strip under the list.
  label3_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label3_->setAutoFillBackground(false);
  combo1_->raise();
  check1_ = new QCheckBox(QString::fromUtf8(ClassicCheckText), this);

  QWidget* controls[] = {text1_, command1_, command2_, command3_, label3_, combo1_, check1_};
  const double dpi = logicalDpiX() > 0 ? logicalDpiX() : 96;
  for (std::size_t k = 0; k < ControlLayouts.size(); ++k) {
    const ControlLayout& layout = ControlLayouts[k];
    QWidget* control = controls[k];
    control->setObjectName(layout.name);
    control->setGeometry(twipsToPixels(layout.left, dpi), twipsToPixels(layout.top, dpi),
                         twipsToPixels(layout.width, dpi), twipsToPixels(layout.height, dpi));
    if (layout.fontPoints > 0) {
      QFont font(family);
      font.setPointSizeF(layout.fontPoints);
      control->setFont(font);
    }
  }
  // Tab order as listed; the label takes no focus.
  setTabOrder(text1_, command1_);
  setTabOrder(command1_, command2_);
  setTabOrder(command2_, command3_);
  setTabOrder(command3_, combo1_);
  setTabOrder(combo1_, check1_);
  label3_->setFocusPolicy(Qt::NoFocus);
  text1_->setFocus();

  connect(command1_, &QPushButton::clicked, this, &MainWindow::createCalendar);
  connect(text1_, &QLineEdit::returnPressed, this, &MainWindow::createCalendar);
  connect(command2_, &QPushButton::clicked, this, &MainWindow::nextYear);
  connect(command3_, &QPushButton::clicked, this, &MainWindow::previousYear);
  // Only an edit of the text (typing, pasting) is a text change; a choice from
  // the list reaches the format when the next run starts.
  connect(combo1_->lineEdit(), &QLineEdit::textEdited, this,
          [this](const QString& text) { applyFormatText(data_->names, settings_.outputFormat, text.toStdString()); });
}

void MainWindow::startUp() {
  // The window covers the screen, centred; as a page, the form keeps the page's size.
  if (embedded_) surface_->keepWindowGeometry();
  const double width = surface_->screenWidth();
  const double height = surface_->screenHeight();
  surface_->setWindowGeometry((surface_->screenWidth() - width) / 2, (surface_->screenHeight() - height) / 2, width,
                              height);
  // The year of the system clock.
  text1_->setText(QString::number(QDate::currentDate().year()));
  // Background colour (blue given as 256).
  surface_->setBackground({200, 200, 256});
  // The built-in tables and the data files of the program folder, which is the
  // current directory unless one was given; each missing or damaged file is told.
  settings_.programFolder = programFolder_.empty() ? currentDirectory() : programFolder_;
  if (!embedded_) {
    LoadedProgramFolder loaded = loadProgramFolder(settings_.programFolder);
    data_ = std::make_shared<const ReferenceData>(std::move(loaded.data));
    saved_ = std::move(loaded.settings);
    // "あれー？" first, the file and the line where reading stopped beneath it.
    for (const std::string& message : loaded.messages) messages_->show(message);
    dataLookedIn_ = settings_.programFolder;
  }
  settings_.outputFormat = saved_.outputFormat;
  // The format list with the saved format selected.
  for (int i = 0; i < 2; ++i) combo1_->addItem(QString::fromStdString(data_->names.formatName[i]));
  const int index = formatListIndex(settings_.outputFormat);
  setFormatText(QString::fromStdString(data_->names.formatName[index]));
  check1_->setChecked(saved_.classicCalendar);
}

void MainWindow::setFormatText(const QString& text) {
  const int index = combo1_->findText(text);
  if (index >= 0 && index != combo1_->currentIndex()) combo1_->setCurrentIndex(index);
  combo1_->setEditText(text);
  applyFormatText(data_->names, settings_.outputFormat, text.toStdString());
}

void MainWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (activated_) return;
  activated_ = true;
  drawStartScreen(*surface_);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  surface_->setGeometry(rect());
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!embedded_) {
    saved_.outputFormat = settings_.outputFormat;
    saved_.classicCalendar = check1_->isChecked();
    std::string message;
    if (!saveSettings(settings_.programFolder, saved_, message)) messages_->show(message);
  }
  event->accept();
}

bool MainWindow::classicChosen() const { return check1_->isChecked(); }

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (running_ && isUserInput(event->type()) && watched->isWidgetType() &&
      (watched == this || isAncestorOf(static_cast<QWidget*>(watched))))
    return true;
  return QWidget::eventFilter(watched, event);
}

void MainWindow::nextYear() { text1_->setText(QString::fromStdString(nextYearText(text1_->text().toStdString()))); }

void MainWindow::previousYear() {
  text1_->setText(QString::fromStdString(previousYearText(text1_->text().toStdString())));
}

void MainWindow::createCalendar() {
  if (running_) return;
  running_ = true;
  ++runsStarted_;
  std::string comboText = combo1_->currentText().toStdString();
  const std::string before = comboText;
  RunContext context{*surface_, *launcher_};
  context.sweptFolders = &sweptFolders_;
  context.skyCache = &skies_;
  context.dataLookedIn = dataLookedIn_;
  const CalendarBasis basis = check1_->isChecked() ? CalendarBasis::Classic : CalendarBasis::True;
  lastReport_ = runGeneration(*data_, settings_, RunInputs{text1_->text().toStdString(), basis}, comboText, context);
  if (comboText != before) setFormatText(QString::fromStdString(comboText));
  // A file that could not be written, a browser that did not start or a run that
  // could not go on is told in a message box; the refusals are on the window.
  const bool failed = lastReport_.status == RunStatus::WriteFailed || lastReport_.status == RunStatus::RunError;
  if (failed && !lastReport_.message.empty()) messages_->show(lastReport_.message);
  if (lastReport_.status == RunStatus::DataFileMissing)
    messages_->show(std::string(MissingFileMessage) + "\n" + lastReport_.message);
  // Clicks and keys that arrived while the run was busy are taken off the queue
  // and dropped, so none of them starts anything after the run.
  surface_->repaint();
  QCoreApplication::processEvents();
  running_ = false;
}

}  // namespace ventorel
