// Form1: the program's one window. A row of controls at the top left (the year
// box, "▲"/"▼", the format list and "カレンダー作成") over a drawing surface that
// shows the start drawing and, after a press of the button, the run's summary.
#pragma once

#include <memory>
#include <string>

#include <QWidget>

#include "app/app_settings.h"
#include "app/generation_run.h"
#include "data/reference_data.h"
#include "platform/launcher.h"
#include "platform/message_box.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ventorel {

class QtSurface;

// What the window works with; the defaults are the desktop's (Qt message boxes,
// the desktop's file opener, the current directory as the program folder).
struct WindowServices {
  MessageBox* messages = nullptr;
  Launcher* launcher = nullptr;
  std::string programFolder;
  // Set when the form is a page of the calendar window, which has read the data
  // and the settings: the form then neither sizes the window nor reads or saves
  // ini.dat, and its calendars go into programFolder.
  std::shared_ptr<const ReferenceData> data;
  AppSettings settings;
  // Where the calendar window looked for the data files, named when a needed one is missing.
  std::string dataLookedIn;
};

class MainWindow : public QWidget {
  Q_OBJECT

 public:
  // Builds the controls and runs the start-up sequence: size, year, background
  // colour, tables, data files and the format list.
  explicit MainWindow(WindowServices services = {});
  ~MainWindow() override;

  const ReferenceData& referenceData() const { return *data_; }
  // The format and the calendar choice, as ini.dat keeps them.
  const Value& outputFormat() const { return settings_.outputFormat; }
  bool classicChosen() const;
  // The folder the calendars are written into.
  void setOutputFolder(const std::string& folder) { settings_.programFolder = folder; }
  RunSettings& settings() { return settings_; }
  QtSurface& surface() { return *surface_; }
  // The report of the latest run.
  const RunReport& lastReport() const { return lastReport_; }
  int runsStarted() const { return runsStarted_; }

 public slots:
  // One press of "カレンダー作成".
  void createCalendar();
  void nextYear();
  void previousYear();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildControls();
  void startUp();
  // The program sets the format list's text; like typing, this applies the
  // format rule.
  void setFormatText(const QString& text);

  std::unique_ptr<MessageBox> ownMessages_;
  std::unique_ptr<Launcher> ownLauncher_;
  MessageBox* messages_ = nullptr;
  Launcher* launcher_ = nullptr;
  std::string programFolder_;
  std::string dataLookedIn_;
  std::shared_ptr<const ReferenceData> data_;
  bool embedded_ = false;
  AppSettings saved_;  // as read from ini.dat; saved at close with the form's choices
  RunSettings settings_;

  QtSurface* surface_ = nullptr;
  QLineEdit* yearBox_ = nullptr;
  QPushButton* createButton_ = nullptr;
  QPushButton* nextYearButton_ = nullptr;
  QPushButton* previousYearButton_ = nullptr;
  QLabel* yearLabel_ = nullptr;
  QComboBox* formatList_ = nullptr;
  QCheckBox* classicBox_ = nullptr;  // 原典の計算: the classic calendar

  bool activated_ = false;
  bool running_ = false;
  int runsStarted_ = 0;
  // The folders whose stale temporary files this window has already removed.
  SweptFolders sweptFolders_;
  // The skies of the years made last: the next or the year before shares two of
  // its three years with the year before it.
  SkyCache skies_;
  RunReport lastReport_;
};

}  // namespace ventorel
