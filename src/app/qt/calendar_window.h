// The program's window: a month at a glance with the chosen day's record beside
// it, a year box and a date box that take Western and Japanese dates, File →
// Export, and the classic form with its three-year summary as a second page.
// The window only shows what the engine says: the month comes from a MonthSheet,
// the day from dayReport, the dates from Engine::parseDate.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include <QElapsedTimer>
#include <QMainWindow>

#include "app/app_settings.h"
#include "app/qt/export_dialog.h"
#include "app/qt/main_window.h"
#include "platform/launcher.h"
#include "platform/message_box.h"
#include "ventorel/calendar.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace ventorel {

class MonthView;

struct CalendarWindowServices {
  MessageBox* messages = nullptr;  // default: Qt message boxes
  Launcher* launcher = nullptr;    // default: the desktop's file opener
  // The data files' folder; default: the first of share/ventorel, the program's
  // folder and the current folder that holds them (app/data_folder.h).
  std::string dataFolder;
  // Where ini.dat is saved; default: the data folder when its ini.dat can be
  // written, else the user's settings folder (~/.config/ventorel).
  std::string settingsFolder;
  FolderChooser chooseFolder;  // default: the desktop's folder dialog
  std::optional<Date> today;   // default: the system clock's day
  // Set: start-up and month moves are timed against this clock and told on
  // standard error.
  const QElapsedTimer* startClock = nullptr;
};

class CalendarWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit CalendarWindow(CalendarWindowServices services = {});
  ~CalendarWindow() override;

  // Shows the month of the date with the date chosen, and its record in the day pane.
  void showDate(const Date& date);
  const Date& currentDate() const { return current_; }
  const Engine& engine() const { return *engine_; }
  const AppSettings& settings() const { return settings_; }
  MainWindow& classicForm() { return *classic_; }
  const std::string& settingsFolder() const { return settingsFolder_; }

 public slots:
  void exportCalendars();
  void lookUpDate();
  void lookUpYear();
  void previousMonth();
  void nextMonth();
  void goToday();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QWidget* buildCalendarPage();
  void buildMenus();
  void restoreGeometry();
  Basis basis() const;
  void tell(const QString& text);  // beneath the date box, in red; "" clears it
  void saveSettingsFile();

  std::unique_ptr<MessageBox> ownMessages_;
  std::unique_ptr<Launcher> ownLauncher_;
  MessageBox* messages_ = nullptr;
  Launcher* launcher_ = nullptr;
  FolderChooser chooseFolder_;
  Date today_;
  const QElapsedTimer* startClock_ = nullptr;
  bool firstPaintTold_ = false;

  std::string dataFolder_;
  std::string dataLookedIn_;  // where the data files were looked for, for the message of a missing one
  std::string settingsFolder_;
  AppSettings settings_;
  std::shared_ptr<const ReferenceData> data_;
  std::shared_ptr<const Engine> engine_;

  Date current_;
  std::int64_t shownYear_ = 0;
  int shownMonth_ = 0;
  Basis shownBasis_ = Basis::True;
  Place place_ = defaultPlace();  // where the day pane's rises and sets are for

  QTabWidget* tabs_ = nullptr;
  MonthView* monthView_ = nullptr;
  QLabel* monthTitle_ = nullptr;
  QLineEdit* yearBox_ = nullptr;
  QLineEdit* dateBox_ = nullptr;
  QComboBox* placeBox_ = nullptr;
  QLabel* notice_ = nullptr;
  QPlainTextEdit* dayPane_ = nullptr;
  QLabel* dayDate_ = nullptr;
  QLabel* dayDetail_ = nullptr;
  MainWindow* classic_ = nullptr;
};

// Prints the window's widgets, one a line: indentation by depth, the class, the
// object name and the accessible name, separated by tabs.
void dumpWidgets(const QWidget& root, std::string& out);

}  // namespace ventorel
