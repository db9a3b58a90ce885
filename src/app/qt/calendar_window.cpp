#include "app/qt/calendar_window.h"

#include <cstdio>
#include <filesystem>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QCloseEvent>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/data_folder.h"
#include "app/generation_run.h"
#include "app/month_sheet.h"
#include "app/program_folder.h"
#include "app/qt/desktop_services.h"
#include "app/qt/month_view.h"
#include "app/year_text.h"
#include "data/data_files.h"
#include "data/places.h"
#include "output/day_report.h"
#include "platform/file_io.h"
#include "platform/program_place.h"
#include "platform/qt/fonts.h"
#include "platform/qt/qt_launcher.h"
#include "platform/qt/qt_message_box.h"

namespace ventorel {

namespace {

QString qtext(const std::string& s) { return QString::fromStdString(s); }

// The day a year box text names: a year number (the month shown kept), or a
// Japanese year (「元禄15」, 「令和6年」, 「令和元年」), whose first day is taken: the
// first day of the year that the engine can date (for the year of a 改元, the
// era's first day).
std::optional<Date> yearBoxDate(const Engine& engine, const QString& typed, int month, std::string& message) {
  const std::string text = typed.trimmed().toStdString();
  if (const std::optional<double> number = parseYearText(text)) {
    if (*number != std::floor(*number)) return message = "年は整数で入力してください。", std::nullopt;
    const std::optional<Year> year = Year::fromUser(static_cast<std::int64_t>(*number));
    if (!year) return message = YearZeroMessage, std::nullopt;
    if (!year->ok()) return message = YearTooLargeMessage, std::nullopt;
    return Date{year->astronomical(), month, 1};
  }
  std::string written = text;
  if (written.size() < 3 || written.compare(written.size() - 3, 3, "年") != 0) written += "年";
  const DateResult first = engine.parseDate(written + "1月1日");
  if (first.ok()) return first.date;
  if (first.status != Status::NoSuchDate) return message = first.message, std::nullopt;
  for (int m = 1; m <= 12; ++m)
    for (const char* leap : {"", "閏"})
      for (int d = 1; d <= 30; ++d) {
        const DateResult date = engine.parseDate(written + leap + std::to_string(m) + "月" + std::to_string(d) + "日");
        if (date.ok()) return date.date;
        if (d == 1 && date.status != Status::NoSuchDate) break;
      }
  return message = first.message, std::nullopt;
}

}  // namespace

CalendarWindow::CalendarWindow(CalendarWindowServices services) {
  takeDesktopServices(services, this, ownMessages_, ownLauncher_);
  messages_ = services.messages;
  launcher_ = services.launcher;
  chooseFolder_ = services.chooseFolder ? services.chooseFolder
                                        : FolderChooser([](QWidget* parent, const QString& title, const QString& start) {
                                            return QFileDialog::getExistingDirectory(parent, title, start);
                                          });
  startClock_ = services.startClock;
  const QDate clock = QDate::currentDate();
  today_ = services.today ? *services.today : Date{clock.year(), clock.month(), clock.day()};

  // The data, and the settings: those of the user's settings folder when the
  // data folder's ini.dat cannot be written (an installed program).
  dataFolder_ = services.dataFolder.empty() ? findDataFolder() : services.dataFolder;
  LoadedProgramFolder loaded = loadProgramFolder(dataFolder_);
  settings_ = loaded.settings;
  settingsFolder_ = services.settingsFolder;
  if (settingsFolder_.empty())
    settingsFolder_ = fileWritable(joinPath(dataFolder_, "ini.dat")) || userSettingsFolder().empty()
                          ? dataFolder_
                          : userSettingsFolder();
  if (settingsFolder_ != dataFolder_) {
    std::string bytes, error;
    if (fileExistsExact(settingsFolder_, "ini.dat") && readWholeFile(joinPath(settingsFolder_, "ini.dat"), bytes, error))
      readAppSettings(bytes, settings_);
  }
  data_ = std::make_shared<const ReferenceData>(std::move(loaded.data));
  engine_ = std::make_shared<const Engine>(data_);
  // Without a file the saved basis needs, one box says so (and no calendar is
  // made until the file is there); otherwise each file left out is told.
  dataLookedIn_ = dataLookupText(services.dataFolder);
  const std::vector<std::string> missing =
      missingNeededFiles(*data_, settings_.classicCalendar ? CalendarBasis::Classic : CalendarBasis::True);
  if (!missing.empty())
    messages_->show(std::string(MissingFileMessage) + "\n" + missingFilesMessage(missing, dataLookedIn_));
  else
    for (const std::string& message : loaded.messages) messages_->show(message);

  setObjectName("calendarWindow");
  setWindowTitle(QStringLiteral("Ventorel"));
  setWindowIcon(QIcon::fromTheme(QStringLiteral("ventorel")));
  QFont windowFont(japaneseFontFamily());
  windowFont.setPointSizeF(QApplication::font().pointSizeF() > 0 ? QApplication::font().pointSizeF() : 10);
  setFont(windowFont);

  // The classic form, whose calendars go into the chosen folder (the data folder
  // when it is the program's own, else the home folder, until one is chosen).
  WindowServices form{messages_, launcher_, "", data_, settings_, dataLookedIn_};
  form.programFolder = !settings_.exportFolder.empty() ? settings_.exportFolder
                       : settingsFolder_ == dataFolder_ ? dataFolder_
                                                        : QDir::homePath().toStdString();
  classic_ = new MainWindow(form);
  classic_->setAccessibleName(QStringLiteral("三年の概算"));

  tabs_ = new QTabWidget(this);
  tabs_->setObjectName("pages");
  tabs_->setAccessibleName(QStringLiteral("ページ"));
  tabs_->setDocumentMode(true);
  tabs_->addTab(buildCalendarPage(), QStringLiteral("カレンダー"));
  tabs_->addTab(classic_, QStringLiteral("三年の概算"));
  setCentralWidget(tabs_);
  buildMenus();
  if (auto* classicBox = classic_->findChild<QCheckBox*>(QStringLiteral("Check1")))
    connect(classicBox, &QCheckBox::toggled, this, [this] { showDate(current_); });

  setMinimumSize(760, 540);
  restoreGeometry();
  showDate(today_);
  monthView_->setFocus();
}

CalendarWindow::~CalendarWindow() = default;

QWidget* CalendarWindow::buildCalendarPage() {
  auto* page = new QWidget;
  page->setObjectName("calendarPage");
  page->setAccessibleName(QStringLiteral("カレンダー"));

  auto* previous = new QToolButton(page);
  previous->setText(QStringLiteral("◀"));
  previous->setAccessibleName(QStringLiteral("前の月"));
  previous->setToolTip(QStringLiteral("前の月 (PgUp)"));
  auto* next = new QToolButton(page);
  next->setText(QStringLiteral("▶"));
  for (QToolButton* step : {previous, next}) {
    QFont stepFont = font();
    stepFont.setPointSizeF(font().pointSizeF() * 1.3);
    step->setFont(stepFont);
    step->setAutoRaise(true);
    step->setMinimumSize(QFontMetrics(stepFont).height() * 2, QFontMetrics(stepFont).height() * 3 / 2);
  }
  next->setAccessibleName(QStringLiteral("次の月"));
  next->setToolTip(QStringLiteral("次の月 (PgDn)"));
  monthTitle_ = new QLabel(page);
  monthTitle_->setObjectName("monthTitle");
  monthTitle_->setAccessibleName(QStringLiteral("表示中の月"));
  QFont titleFont = font();
  titleFont.setPointSizeF(font().pointSizeF() * 1.5);
  titleFont.setBold(true);
  monthTitle_->setFont(titleFont);
  monthTitle_->setMinimumWidth(QFontMetrics(titleFont).horizontalAdvance(QStringLiteral("-0000年00月 令和00年")));
  yearBox_ = new QLineEdit(page);
  yearBox_->setObjectName("yearBox");
  yearBox_->setAccessibleName(QStringLiteral("年"));
  yearBox_->setPlaceholderText(QStringLiteral("年・和暦"));
  yearBox_->setToolTip(QStringLiteral("2024、-660、元禄15 など"));
  yearBox_->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("令和000年____")));
  auto* todayButton = new QPushButton(QStringLiteral("今日"), page);
  todayButton->setAccessibleName(QStringLiteral("今日"));
  auto* dateLabel = new QLabel(QStringLiteral("日付"), page);
  dateBox_ = new QLineEdit(page);
  dateBox_->setObjectName("dateBox");
  dateBox_->setAccessibleName(QStringLiteral("日付"));
  dateBox_->setPlaceholderText(QStringLiteral("1703-01-30、元禄15年12月14日"));
  dateBox_->setClearButtonEnabled(true);
  dateBox_->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("1703-01-30、元禄15年12月14日____")));
  dateLabel->setBuddy(dateBox_);
  // The place of the day's sunrise, sunset and moonrise: the 47 prefectural seats.
  auto* placeLabel = new QLabel(QStringLiteral("地点"), page);
  placeBox_ = new QComboBox(page);
  placeBox_->setObjectName("placeBox");
  placeBox_->setAccessibleName(QStringLiteral("地点"));
  placeBox_->setToolTip(QStringLiteral("日の出・日の入り、月の出・月の入り、日食・月食の地点"));
  for (const NamedPlace& named : builtinPlaces()) placeBox_->addItem(QString::fromUtf8(named.name));
  placeBox_->setCurrentText(qtext(defaultPlace().name));
  placeLabel->setBuddy(placeBox_);

  auto* bar = new QHBoxLayout;
  bar->addWidget(previous);
  bar->addWidget(monthTitle_);
  bar->addWidget(next);
  bar->addSpacing(8);
  bar->addWidget(yearBox_);
  bar->addWidget(todayButton);
  bar->addStretch(1);
  bar->addWidget(dateLabel);
  bar->addWidget(dateBox_);
  bar->addSpacing(8);
  bar->addWidget(placeLabel);
  bar->addWidget(placeBox_);

  notice_ = new QLabel(page);
  notice_->setObjectName("notice");
  notice_->setAccessibleName(QStringLiteral("日付の知らせ"));
  notice_->setWordWrap(true);
  QPalette noticePalette = notice_->palette();
  noticePalette.setColor(QPalette::WindowText, sundayColour(palette()));
  notice_->setPalette(noticePalette);
  notice_->hide();

  monthView_ = new MonthView(page);
  connect(monthView_, &MonthView::painted, this, [this] {
    if (!startClock_ || firstPaintTold_) return;
    firstPaintTold_ = true;
    std::fprintf(stderr, "ventorel: first month drawn %lld ms after start\n",
                 static_cast<long long>(startClock_->elapsed()));
  });

  auto* dayBox = new QWidget(page);
  auto* dayLayout = new QVBoxLayout(dayBox);
  dayLayout->setContentsMargins(0, 0, 0, 0);
  dayDate_ = new QLabel(dayBox);
  dayDate_->setObjectName("dayDate");
  dayDate_->setAccessibleName(QStringLiteral("選んだ日"));
  QFont dayDateFont = font();
  dayDateFont.setPointSizeF(font().pointSizeF() * 1.35);
  dayDateFont.setBold(true);
  dayDate_->setFont(dayDateFont);
  dayDate_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  dayDetail_ = new QLabel(dayBox);
  dayDetail_->setObjectName("dayDetail");
  dayDetail_->setWordWrap(true);
  dayDetail_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  QFont detailFont = font();
  detailFont.setPointSizeF(font().pointSizeF() * 1.1);
  dayDetail_->setFont(detailFont);
  dayPane_ = new QPlainTextEdit(dayBox);
  dayPane_->setObjectName("dayPane");
  dayPane_->setAccessibleName(QStringLiteral("この日"));
  dayPane_->setReadOnly(true);
  dayPane_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  dayPane_->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("和暦：南朝 延元元年2月29日・北朝")));
  auto* copy = new QPushButton(QStringLiteral("コピー"), dayBox);
  copy->setAccessibleName(QStringLiteral("コピー"));
  copy->setToolTip(QStringLiteral("この日の記録をクリップボードへ"));
  QFont paneFont = font();
  paneFont.setPointSizeF(font().pointSizeF() * 1.05);
  dayPane_->setFont(paneFont);
  auto* copyRow = new QHBoxLayout;
  copyRow->addWidget(dayDate_, 1);
  copyRow->addWidget(copy, 0, Qt::AlignTop);
  dayLayout->addLayout(copyRow);
  dayLayout->addWidget(dayDetail_);
  dayLayout->addWidget(dayPane_, 1);

  auto* split = new QSplitter(Qt::Horizontal, page);
  split->addWidget(monthView_);
  split->addWidget(dayBox);
  split->setStretchFactor(0, 3);
  split->setStretchFactor(1, 1);
  split->setChildrenCollapsible(false);

  auto* layout = new QVBoxLayout(page);
  layout->addLayout(bar);
  layout->addWidget(notice_);
  layout->addWidget(split, 1);

  connect(previous, &QToolButton::clicked, this, &CalendarWindow::previousMonth);
  connect(next, &QToolButton::clicked, this, &CalendarWindow::nextMonth);
  connect(todayButton, &QPushButton::clicked, this, &CalendarWindow::goToday);
  connect(yearBox_, &QLineEdit::returnPressed, this, &CalendarWindow::lookUpYear);
  connect(dateBox_, &QLineEdit::returnPressed, this, &CalendarWindow::lookUpDate);
  connect(copy, &QPushButton::clicked, this, [this] { QApplication::clipboard()->setText(dayPane_->toPlainText()); });
  connect(monthView_, &MonthView::dateRequested, this, &CalendarWindow::showDate);
  connect(placeBox_, &QComboBox::currentTextChanged, this, [this](const QString& name) {
    if (const std::optional<Place> place = placeNamed(name.toStdString())) place_ = *place;
    showDate(current_);
  });
  return page;
}

void CalendarWindow::buildMenus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
  QAction* exportAction = file->addAction(QStringLiteral("書き出し(&E)…"), this, &CalendarWindow::exportCalendars);
  exportAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
  QAction* create = file->addAction(QStringLiteral("カレンダー作成(&C)"), this, [this] {
    tabs_->setCurrentWidget(classic_);
    classic_->createCalendar();
  });
  create->setToolTip(QStringLiteral("三年の概算のページの年と形式で、書き出し先へ"));
  file->addSeparator();
  QAction* quit = file->addAction(QStringLiteral("終了(&Q)"), this, &QWidget::close);
  quit->setShortcut(QKeySequence::Quit);
  QMenu* view = menuBar()->addMenu(QStringLiteral("表示(&V)"));
  QAction* today = view->addAction(QStringLiteral("今日(&T)"), this, &CalendarWindow::goToday);
  today->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
  QAction* date = view->addAction(QStringLiteral("日付を入力(&D)"), this, [this] {
    tabs_->setCurrentIndex(0);
    dateBox_->setFocus();
    dateBox_->selectAll();
  });
  date->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
}

void CalendarWindow::restoreGeometry() {
  const QRect screen = this->screen() ? this->screen()->availableGeometry() : QRect(0, 0, 1280, 800);
  QSize size(std::min(1120, screen.width() * 9 / 10), std::min(760, screen.height() * 9 / 10));
  size = size.expandedTo(minimumSize());
  const QStringList parts = qtext(settings_.windowGeometry).split(QLatin1Char(' '), Qt::SkipEmptyParts);
  if (parts.size() == 4) {
    const QRect saved(parts[0].toInt(), parts[1].toInt(), parts[2].toInt(), parts[3].toInt());
    if (saved.width() >= minimumWidth() && saved.height() >= minimumHeight() && screen.intersects(saved)) {
      setGeometry(saved);
      return;
    }
  }
  resize(size);
  move(screen.center() - rect().center());
}

Basis CalendarWindow::basis() const { return classic_->classicChosen() ? Basis::Classic : Basis::True; }

void CalendarWindow::showDate(const Date& date) {
  QElapsedTimer timer;
  timer.start();
  const Basis wanted = basis();
  // Without a file the basis needs, a month would look whole and be wrong: none
  // is shown, and the notice says which files are missing and where.
  const std::vector<std::string> missing = missingNeededFiles(*data_, wanted);
  monthView_->setVisible(missing.empty());
  if (!missing.empty()) {
    const QString message = qtext(missingFilesMessage(missing, dataLookedIn_));
    tell(message);
    dayPane_->clear();
    monthTitle_->clear();
    dayDate_->clear();
    dayDetail_->hide();
    current_ = date;
    return;
  }
  const bool newMonth = date.year != shownYear_ || date.month != shownMonth_ || wanted != shownBasis_ ||
                        monthTitle_->text().isEmpty();
  if (newMonth) {
    const MonthSheet sheet = monthSheet(*engine_, date.year, date.month, wanted);
    if (!sheet.ok()) {
      tell(qtext(sheet.message));
      return;
    }
    monthView_->showSheet(sheet);
    monthTitle_->setText(qtext(sheet.title) +
                         (sheet.eraTitle.empty() ? QString() : QStringLiteral("  ") + qtext(sheet.eraTitle)));
    shownYear_ = date.year;
    shownMonth_ = date.month;
    shownBasis_ = wanted;
  }
  current_ = date;
  monthView_->selectDate(date);
  const DayResult day = engine_->day(date, wanted, place_);
  dayPane_->setPlainText(day.ok() ? qtext(dayReport(*day.year, *day.day, data_->names)) : qtext(day.message));
  const DayHeading heading = day.ok() ? dayHeading(*day.year, *day.day, data_->names) : DayHeading{};
  dayDate_->setText(qtext(heading.date));
  dayDetail_->setText(qtext(heading.detail));
  dayDetail_->setVisible(!heading.detail.empty());
  if (newMonth && startClock_ && isVisible()) {
    monthView_->repaint();
    std::fprintf(stderr, "ventorel: month %s shown in %.2f ms\n", monthTitle_->text().toUtf8().constData(),
                 static_cast<double>(timer.nsecsElapsed()) / 1e6);
  }
}

void CalendarWindow::tell(const QString& text) {
  notice_->setText(text);
  notice_->setVisible(!text.isEmpty());
}

void CalendarWindow::lookUpDate() {
  const QString text = dateBox_->text().trimmed();
  if (text.isEmpty()) return;
  const DateResult date = engine_->parseDate(text.toStdString());
  if (!date.ok()) {
    tell(QStringLiteral("「%1」：%2").arg(text, qtext(date.message)));
    return;
  }
  tell({});
  tabs_->setCurrentIndex(0);
  showDate(date.date);
  monthView_->setFocus();
}

void CalendarWindow::lookUpYear() {
  std::string message;
  const std::optional<Date> date = yearBoxDate(*engine_, yearBox_->text(), current_.month, message);
  if (!date) {
    tell(QStringLiteral("「%1」：%2").arg(yearBox_->text().trimmed(), qtext(message)));
    return;
  }
  tell({});
  showDate(*date);
  monthView_->setFocus();
}

void CalendarWindow::previousMonth() { showDate(monthsLater(current_, -1)); }
void CalendarWindow::nextMonth() { showDate(monthsLater(current_, 1)); }
void CalendarWindow::goToday() {
  tabs_->setCurrentIndex(0);
  showDate(today_);
  monthView_->setFocus();
}

void CalendarWindow::exportCalendars() {
  const std::string year = userYearText(current_.year);
  QString folder = qtext(settings_.exportFolder);
  if (folder.isEmpty()) folder = QDir::homePath();
  std::vector<ExportFormat> formats = exportFormatsOf(settings_.exportFormats);
  if (formats.empty()) formats = {ExportFormat::Html};
  ExportDialog dialog(formats, qtext(year), folder, chooseFolder_, this);
  if (dialog.exec() != QDialog::Accepted) return;
  ExportRequest request{dialog.folder().toStdString(), dialog.formats(), dialog.years().toStdString(), basis(),
                        dataLookedIn_};
  settings_.exportFolder = request.folder;
  settings_.exportFormats = exportFormatNames(request.formats);
  classic_->setOutputFolder(request.folder);
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const ExportReport report = exportYears(*data_, request);
  QApplication::restoreOverrideCursor();
  if (!report.ok) {
    messages_->show(report.message);
    return;
  }
  statusBar()->showMessage(
      QStringLiteral("%1個のファイルを %2 に書き出しました。").arg(report.files).arg(dialog.folder()), 10000);
}

void CalendarWindow::saveSettingsFile() {
  settings_.outputFormat = classic_->outputFormat();
  settings_.classicCalendar = classic_->classicChosen();
  const QRect at = geometry();
  settings_.windowGeometry =
      QStringLiteral("%1 %2 %3 %4").arg(at.x()).arg(at.y()).arg(at.width()).arg(at.height()).toStdString();
  if (settingsFolder_ != dataFolder_ && !fileExistsExact(settingsFolder_, "ini.dat")) {
    // The user's own settings file, made at the first close.
    std::error_code code;
    std::filesystem::create_directories(settingsFolder_, code);
    std::string error;
    if (!writeFileAtomically(joinPath(settingsFolder_, "ini.dat"), appSettingsText(settings_), error))
      messages_->show(MissingFileMessage);
    return;
  }
  std::string message;
  if (!saveSettings(settingsFolder_, settings_, message)) messages_->show(message);
}

void CalendarWindow::closeEvent(QCloseEvent* event) {
  saveSettingsFile();
  event->accept();
}

namespace {

void dumpWidget(const QWidget& widget, int depth, std::string& out) {
  out += std::string(static_cast<std::size_t>(depth) * 2, ' ');
  out += widget.metaObject()->className();
  out += '\t';
  out += widget.objectName().toStdString();
  out += '\t';
  out += widget.accessibleName().toStdString();
  out += '\n';
  for (QObject* child : widget.children())
    if (child->isWidgetType()) dumpWidget(*static_cast<QWidget*>(child), depth + 1, out);
}

}  // namespace

void dumpWidgets(const QWidget& root, std::string& out) { dumpWidget(root, 0, out); }

}  // namespace ventorel
