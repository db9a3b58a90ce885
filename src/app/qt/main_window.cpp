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
  yearBox_ = new QLineEdit(this);
  createButton_ = new QPushButton(QString::fromUtf8(CreateButtonText), this);
  nextYearButton_ = new QPushButton(QString::fromUtf8(NextYearText), this);
  previousYearButton_ = new QPushButton(QString::fromUtf8(PreviousYearText), this);
  yearLabel_ = new QLabel(QString::fromUtf8(YearLabelText), this);
  formatList_ = new QComboBox(this);
  formatList_->setEditable(true);
  // Typing never adds an entry, and there is no completion that would change
  // the typed text behind the user's back.
  formatList_->setInsertPolicy(QComboBox::NoInsert);
  formatList_->setCompleter(nullptr);
  // The label is transparent: the part of it that the format list does not
  // cover would otherwise show as a grey strip under the list.
  yearLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  yearLabel_->setAutoFillBackground(false);
  formatList_->raise();
  classicBox_ = new QCheckBox(QString::fromUtf8(ClassicCheckText), this);

  QWidget* controls[] = {yearBox_, createButton_, nextYearButton_, previousYearButton_, yearLabel_, formatList_, classicBox_};
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
  setTabOrder(yearBox_, createButton_);
  setTabOrder(createButton_, nextYearButton_);
  setTabOrder(nextYearButton_, previousYearButton_);
  setTabOrder(previousYearButton_, formatList_);
  setTabOrder(formatList_, classicBox_);
  yearLabel_->setFocusPolicy(Qt::NoFocus);
  yearBox_->setFocus();

  connect(createButton_, &QPushButton::clicked, this, &MainWindow::createCalendar);
  connect(yearBox_, &QLineEdit::returnPressed, this, &MainWindow::createCalendar);
  connect(nextYearButton_, &QPushButton::clicked, this, &MainWindow::nextYear);
  connect(previousYearButton_, &QPushButton::clicked, this, &MainWindow::previousYear);
  // Only an edit of the text (typing, pasting) is a text change; a choice from
  // the list reaches the format when the next run starts.
  connect(formatList_->lineEdit(), &QLineEdit::textEdited, this,
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
  yearBox_->setText(QString::number(QDate::currentDate().year()));
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
  for (int i = 0; i < 2; ++i) formatList_->addItem(QString::fromStdString(data_->names.formatName[i]));
  const int index = formatListIndex(settings_.outputFormat);
  setFormatText(QString::fromStdString(data_->names.formatName[index]));
  classicBox_->setChecked(saved_.classicCalendar);
}

void MainWindow::setFormatText(const QString& text) {
  const int index = formatList_->findText(text);
  if (index >= 0 && index != formatList_->currentIndex()) formatList_->setCurrentIndex(index);
  formatList_->setEditText(text);
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
    saved_.classicCalendar = classicBox_->isChecked();
    std::string message;
    if (!saveSettings(settings_.programFolder, saved_, message)) messages_->show(message);
  }
  event->accept();
}

bool MainWindow::classicChosen() const { return classicBox_->isChecked(); }

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (running_ && isUserInput(event->type()) && watched->isWidgetType() &&
      (watched == this || isAncestorOf(static_cast<QWidget*>(watched))))
    return true;
  return QWidget::eventFilter(watched, event);
}

void MainWindow::nextYear() { yearBox_->setText(QString::fromStdString(nextYearText(yearBox_->text().toStdString()))); }

void MainWindow::previousYear() {
  yearBox_->setText(QString::fromStdString(previousYearText(yearBox_->text().toStdString())));
}

void MainWindow::createCalendar() {
  if (running_) return;
  running_ = true;
  ++runsStarted_;
  std::string comboText = formatList_->currentText().toStdString();
  const std::string before = comboText;
  RunContext context{*surface_, *launcher_};
  context.sweptFolders = &sweptFolders_;
  context.skyCache = &skies_;
  context.dataLookedIn = dataLookedIn_;
  const CalendarBasis basis = classicBox_->isChecked() ? CalendarBasis::Classic : CalendarBasis::True;
  lastReport_ = runGeneration(*data_, settings_, RunInputs{yearBox_->text().toStdString(), basis}, comboText, context);
  if (comboText != before) setFormatText(QString::fromStdString(comboText));
  // A file that could not be written, a browser that did not start or a run that
  // could not go on is told in a message box; the refusals are on the window.
  const bool failed = lastReport_.status == RunStatus::WriteFailed || lastReport_.status == RunStatus::RunError;
  if (failed && !lastReport_.problem.ok()) messages_->show(lastReport_.problem.text());
  if (lastReport_.status == RunStatus::DataFileMissing)
    messages_->show(std::string(MissingFileMessage) + "\n" + lastReport_.problem.text());
  // Clicks and keys that arrived while the run was busy are taken off the queue
  // and dropped, so none of them starts anything after the run.
  surface_->repaint();
  QCoreApplication::processEvents();
  running_ = false;
}

}  // namespace ventorel
