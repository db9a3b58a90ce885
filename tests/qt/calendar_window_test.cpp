// The calendar window as a user drives it, on the offscreen platform: the month
// view, the keys, the year and date boxes, the day pane, File → Export with a
// stand-in folder dialog, and the settings it keeps. Widgets are found as a
// screen reader finds them: by role and accessible name.
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "app/qt/calendar_window.h"
#include "app/qt/export_dialog.h"
#include "app/qt/month_view.h"
#include "platform/recording.h"

using namespace ventorel;

namespace {

QByteArray readFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A copy of the shipped data files, with the settings file given.
class DataFolder {
 public:
  explicit DataFolder(const QByteArray& ini = "0\r\n") {
    const QDir shipped(QStringLiteral(VENTOREL_SOURCE_DIR "/data"));
    for (const QString& name : shipped.entryList({QStringLiteral("*.dat")}, QDir::Files))
      QFile::copy(shipped.filePath(name), dir_.filePath(name));
    QFile::remove(dir_.filePath("ini.dat"));
    QFile file(dir_.filePath("ini.dat"));
    if (file.open(QIODevice::WriteOnly)) file.write(ini);
  }
  QString path() const { return dir_.path(); }
  QString file(const QString& name) const { return dir_.filePath(name); }

 private:
  QTemporaryDir dir_;
};

// The widget of the role and accessible name within the window.
template <typename T>
T* find(QWidget& root, QAccessible::Role role, const QString& name) {
  for (QWidget* widget : root.findChildren<QWidget*>()) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    if (face && face->role() == role && face->text(QAccessible::Name) == name)
      if (T* typed = qobject_cast<T*>(widget)) return typed;
  }
  qFatal("no widget %s", qPrintable(name));
}

struct Window {
  explicit Window(const DataFolder& folder, Date today = {2024, 5, 15}, FolderChooser chooser = {})
      : window({&messages, &launcher, folder.path().toStdString(), "", std::move(chooser), today}) {}
  MonthView* month() { return find<MonthView>(window, QAccessible::Table, QStringLiteral("月の表")); }
  QLineEdit* box(const char* name) { return find<QLineEdit>(window, QAccessible::EditableText, QString::fromUtf8(name)); }
  QString dayPane() {
    return find<QPlainTextEdit>(window, QAccessible::EditableText, QStringLiteral("この日"))->toPlainText();
  }
  QString title() { return find<QLabel>(window, QAccessible::StaticText, QStringLiteral("表示中の月"))->text(); }
  void type(const char* boxName, const QString& text) {
    QLineEdit* edit = box(boxName);
    edit->selectAll();
    // Japanese text arrives from the input method as a committed string.
    QInputMethodEvent typed;
    typed.setCommitString(text);
    QApplication::sendEvent(edit, &typed);
    QTest::keyClick(edit, Qt::Key_Return);
  }
  // "day: holiday" of every day of the shown month that has one.
  QStringList holidays() {
    QStringList found;
    MonthView* view = month();
    for (int r = 0; r < view->rowCount(); ++r)
      for (int c = 0; c < view->columnCount(); ++c) {
        const QTableWidgetItem* item = view->item(r, c);
        if (item->data(MonthView::InMonthRole).toBool() && !item->data(MonthView::HolidayRole).toString().isEmpty())
          found << item->text() + QStringLiteral(": ") + item->data(MonthView::HolidayRole).toString();
      }
    return found;
  }
  // The classic page's year box: the only line edit of its form.
  QLineEdit* classicYearBox() {
    for (QLineEdit* edit : window.classicForm().findChildren<QLineEdit*>())
      if (edit->parentWidget() == &window.classicForm()) return edit;
    qFatal("no year box on the classic page");
  }
  QString selectedIso() { return month()->currentItem()->data(MonthView::IsoDateRole).toString(); }
  RecordingMessageBox messages;
  RecordingLauncher launcher;
  CalendarWindow window;
};

}  // namespace

class CalendarWindowTest : public QObject {
  Q_OBJECT

 private slots:
  // Without the era file the true basis shows no month: one box at start-up, the
  // notice names the file and the folder, and the button writes nothing.
  void aMissingNeededDataFileShowsNoCalendar() {
    DataFolder folder;
    QVERIFY(QFile::remove(folder.file("era_starts.dat")));
    Window w(folder);
    QCOMPARE(w.messages.texts.size(), std::size_t(1));
    const std::string line = "必要なデータファイル era_starts.dat が見つからないので、カレンダーは作成していません（探した場所：" +
                             folder.path().toStdString() + "）";
    QVERIFY2(w.messages.texts[0].find(line) != std::string::npos, w.messages.texts[0].c_str());
    QVERIFY(w.month()->isHidden());
    QVERIFY(find<QLabel>(w.window, QAccessible::StaticText, QStringLiteral("日付の知らせ"))
                ->text()
                .contains(QString::fromStdString(line)));
    w.classicYearBox()->setText(QStringLiteral("2024"));
    w.window.classicForm().createCalendar();
    QCOMPARE(int(w.window.classicForm().lastReport().status), int(RunStatus::DataFileMissing));
    QCOMPARE(w.messages.texts.size(), std::size_t(2));
    QCOMPARE(QDir(folder.path()).entryList({QStringLiteral("*カレンダー*")}, QDir::Files).size(), 0);
  }

  void mayOf2024ShowsItsHolidaysAndTheSubstitute() {
    DataFolder folder;
    Window w(folder);
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    QVERIFY(w.messages.texts.empty());
    QVERIFY(w.window.size().width() < 1600 && w.window.minimumWidth() >= 700);
    QCOMPARE(w.title(), QStringLiteral("2024年5月  令和6年"));
    QCOMPARE(w.holidays(), (QStringList{"3: 憲法記念日", "4: みどりの日", "5: こどもの日", "6: 振替休日"}));
    QCOMPARE(w.selectedIso(), QStringLiteral("2024-05-15"));
    // 5月5日 is a Sunday (first column); 5月8日 was 旧4月1日; 立夏 fell on 5月5日.
    MonthView* view = w.month();
    QCOMPARE(view->item(1, 0)->text(), QStringLiteral("5"));
    QCOMPARE(view->item(1, 0)->data(MonthView::NoteRole).toString(), QStringLiteral("立夏"));
    QCOMPARE(view->item(1, 3)->data(MonthView::OldDateRole).toString(), QStringLiteral("旧4月1日"));
    QVERIFY(!view->item(0, 0)->data(MonthView::InMonthRole).toBool());  // 4月28日
    QVERIFY(w.dayPane().contains(QStringLiteral("令和6年5月15日")));
  }

  // The place list drives the day pane's rises and sets: 東京 at first, then the seat chosen.
  void thePlaceListMovesTheSunAndTheMoon() {
    DataFolder folder;
    Window w(folder);
    // The list is found by its label (on Linux a list's accessible name is its current text).
    auto* places = qobject_cast<QComboBox*>(find<QLabel>(w.window, QAccessible::StaticText, QStringLiteral("地点"))->buddy());
    QVERIFY(places);
    QCOMPARE(places->count(), 47);
    QCOMPARE(places->currentText(), QStringLiteral("東京"));
    QVERIFY(w.dayPane().contains(QStringLiteral("太陽：日の出 04:36　南中 11:37　日の入 18:39（東京）")));
    QVERIFY(w.dayPane().contains(QStringLiteral("朔弦望：上弦 20:48")));
    places->setCurrentText(QStringLiteral("那覇"));
    QVERIFY(w.dayPane().contains(QStringLiteral("太陽：日の出 05:43　南中 12:26　日の入 19:09（那覇）")));
    QVERIFY(w.dayPane().contains(QStringLiteral("月：月の出 11:56　南中 18:46　月の入 00:56（那覇）")));
  }

  void keysMoveTheDayAndTheMonth_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::newRow("right over the month end") << int(Qt::Key_Right) << "2024-05-31" << "2024-06-01";
    QTest::newRow("left over the month start") << int(Qt::Key_Left) << "2024-05-01" << "2024-04-30";
    QTest::newRow("down a week") << int(Qt::Key_Down) << "2024-05-15" << "2024-05-22";
    QTest::newRow("up a week into April") << int(Qt::Key_Up) << "2024-05-03" << "2024-04-26";
    QTest::newRow("page down to a shorter month") << int(Qt::Key_PageDown) << "2024-01-31" << "2024-02-29";
    QTest::newRow("page up over the year") << int(Qt::Key_PageUp) << "2024-01-15" << "2023-12-15";
  }
  void keysMoveTheDayAndTheMonth() {
    QFETCH(int, key);
    QFETCH(QString, from);
    QFETCH(QString, to);
    DataFolder folder;
    Window w(folder);
    w.window.show();
    w.type("日付", from);
    QCOMPARE(w.selectedIso(), from);
    QTest::keyClick(w.month(), Qt::Key(key));
    QCOMPARE(w.selectedIso(), to);
    QVERIFY2(w.title().startsWith(QStringLiteral("%1年%2月").arg(to.left(4)).arg(to.mid(5, 2).toInt())),
             qPrintable(w.title()));
    QVERIFY(w.dayPane().startsWith(QStringLiteral("日付：") + to));
  }

  void theDateBoxTakesWesternAndJapaneseDates_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");  // the ISO date shown, or "" for a refusal
    QTest::newRow("和暦") << "元禄15年12月14日" << "1703-01-30";
    QTest::newRow("kanji numerals") << "元禄十五年十二月十四日" << "1703-01-30";
    QTest::newRow("ISO") << "1989-01-08" << "1989-01-08";
    QTest::newRow("Julian") << "J1582-06-21" << "1582-07-01";
    QTest::newRow("no such day") << "元禄15年2月30日" << "";
    QTest::newRow("no date") << "あした" << "";
  }
  void theDateBoxTakesWesternAndJapaneseDates() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    DataFolder folder;
    Window w(folder);
    w.window.show();
    w.type("日付", typed);
    QLabel* notice = find<QLabel>(w.window, QAccessible::StaticText, QStringLiteral("日付の知らせ"));
    if (shown.isEmpty()) {
      QVERIFY(notice->isVisible() && notice->text().contains(typed));
      QCOMPARE(w.selectedIso(), QStringLiteral("2024-05-15"));
      return;
    }
    QVERIFY(!notice->isVisible());
    QCOMPARE(w.selectedIso(), shown);
    QVERIFY(w.dayPane().startsWith(QStringLiteral("日付：") + shown));
    if (shown == "1703-01-30") {
      QVERIFY(w.dayPane().contains(QStringLiteral("和暦：元禄15年12月14日")));
      QCOMPARE(w.title(), QStringLiteral("1703年1月  元禄15年"));
    }
  }

  void theYearBoxTakesANumberOrAJapaneseYear_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("title");
    QTest::newRow("year, month kept") << "1989" << "1989年5月";
    QTest::newRow("era year") << "元禄15" << "1702年1月";
    QTest::newRow("era year with 年") << "令和元年" << "2019年5月";
    QTest::newRow("BC") << "-660" << "-660年5月";
  }
  void theYearBoxTakesANumberOrAJapaneseYear() {
    QFETCH(QString, typed);
    QFETCH(QString, title);
    DataFolder folder;
    Window w(folder);
    w.type("年", typed);
    QVERIFY2(w.title().startsWith(title), qPrintable(w.title()));
  }

  void exportWritesTheChosenFormatsIntoTheChosenFolderAndRemembersIt() {
    DataFolder folder;
    QTemporaryDir out;
    int asked = 0;
    Window w(folder, {2024, 5, 15}, [&](QWidget*, const QString&, const QString&) {
      ++asked;
      return out.path();
    });
    w.window.show();
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<ExportDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      find<QCheckBox>(*dialog, QAccessible::CheckBox, QStringLiteral("HTML"))->setChecked(false);
      find<QCheckBox>(*dialog, QAccessible::CheckBox, QStringLiteral("CSV"))->setChecked(true);
      find<QCheckBox>(*dialog, QAccessible::CheckBox, QStringLiteral("JSON"))->setChecked(true);
      find<QLineEdit>(*dialog, QAccessible::EditableText, QStringLiteral("最後の年"))->setText("2025");
      QTest::mouseClick(find<QPushButton>(*dialog, QAccessible::Button, QStringLiteral("フォルダーを選ぶ")),
                        Qt::LeftButton);
      QTest::mouseClick(find<QPushButton>(*dialog, QAccessible::Button, QStringLiteral("書き出す")), Qt::LeftButton);
    });
    w.window.exportCalendars();
    QCOMPARE(asked, 1);
    QVERIFY(w.messages.texts.empty());
    for (const char* name : {"2024年カレンダー.csv", "2025年カレンダー.csv", "2024年カレンダー.json", "2025年カレンダー.json"})
      QVERIFY2(QFile::exists(QDir(out.path()).filePath(QString::fromUtf8(name))), name);
    QVERIFY(!QFile::exists(QDir(out.path()).filePath(QStringLiteral("2024年カレンダー.htm"))));
    // The classic page's button now writes there too.
    auto* tabs = w.window.findChild<QTabWidget*>();
    QCOMPARE(tabs->tabText(1), QStringLiteral("三年の概算"));
    w.classicYearBox()->setText(QStringLiteral("2024"));
    w.window.classicForm().createCalendar();
    QCOMPARE(int(w.window.classicForm().lastReport().status), int(RunStatus::Done));
    QVERIFY(QFile::exists(QDir(out.path()).filePath(QString::fromUtf8("2024年カレンダー.htm"))));
    w.window.close();
    const QByteArray saved = readFile(folder.file("ini.dat"));
    QVERIFY2(saved.startsWith("0\r\n0\r\n\"" + out.path().toUtf8() + "\"\r\n\"csv json\"\r\n\""), saved.constData());
  }

  void settingsOfAnOlderFileAreKeptAndTheGeometryComesBack() {
    DataFolder folder("1\r\n1\r\n\"\"\r\n\"\"\r\n\"40 50 900 620\"\r\n");
    Window w(folder);
    QCOMPARE(w.window.geometry(), QRect(40, 50, 900, 620));
    QVERIFY(w.window.classicForm().classicChosen());
    QVERIFY(w.window.classicForm().outputFormat().equals(1));
    // The classic basis has no Japanese date per day; the month still shows.
    QCOMPARE(w.holidays().size(), 4);
  }
};

QTEST_MAIN(CalendarWindowTest)
#include "calendar_window_test.moc"
