// The window as a user drives it, on the offscreen platform: start-up in a
// program folder, the start drawing, the year buttons, the format list, runs
// from the button and from Enter, closing, and the message boxes.
#include <functional>
#include <memory>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "app/qt/main_window.h"
#include "platform/qt/qt_message_box.h"
#include "platform/qt/qt_surface.h"
#include "platform/recording.h"

using namespace ventorel;

namespace {

const QString HtmName = QStringLiteral("htm形式");
const QString CsvName = QStringLiteral("csv形式");
const QString Aree = QStringLiteral("あれー？");

void writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

QByteArray readFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A program folder with copies of the shipped data files and the settings file given.
class ProgramFolder {
 public:
  explicit ProgramFolder(const QByteArray& iniText = "0\r\n") {
    const QDir shipped(QStringLiteral(VENTOREL_SOURCE_DIR "/data"));
    for (const QString& name : shipped.entryList({QStringLiteral("*.dat")}, QDir::Files))
      if (name != QStringLiteral("ini.dat")) QFile::copy(shipped.filePath(name), file(name));
    writeFile(file("ini.dat"), iniText);
  }
  QString path() const { return dir_.path(); }
  QString file(const QString& name) const { return dir_.filePath(name); }

 private:
  QTemporaryDir dir_;
};

// A launcher that records the hand-offs and can act while the run is busy.
class TestLauncher : public Launcher {
 public:
  bool openInBrowser(const std::string& path, std::string& error) override {
    paths.push_back(path);
    if (duringRun) duringRun();
    if (fails) error = "no browser here";
    return !fails;
  }
  void openInSpreadsheet(const std::string& path) override {
    paths.push_back(path);
    if (duringRun) duringRun();
  }
  std::vector<std::string> paths;
  std::function<void()> duringRun;
  bool fails = false;
};

struct Window {
  explicit Window(const ProgramFolder& folder) : window({&messages, &launcher, folder.path().toStdString(), nullptr, {}, {}}) {}
  // A control of the form as the user finds it: by its kind and the text on it (a
  // button, label or check box), or the only one of its kind (the year box, the
  // format list); the format list's own line edit is not one of the form's.
  template <typename T>
  T* control(const char* label = "") {
    const QString text = QString::fromUtf8(label);
    for (T* widget : window.findChildren<T*>()) {
      if (widget->parentWidget() != &window) continue;
      if (text.isEmpty() || textOn(widget) == text) return widget;
    }
    qFatal("no control %s", label);
    return nullptr;
  }
  static QString textOn(QWidget* widget) {
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
    if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
    return {};
  }
  void show() {
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
  }
  void typeYear(const QString& year) {
    auto* text1 = control<QLineEdit>();
    text1->selectAll();
    QTest::keyClicks(text1, year);
  }
  RecordingMessageBox messages;
  TestLauncher launcher;
  MainWindow window;
};

// Pixels of the picture in the rectangle whose colour passes `test`.
int countPixels(const QImage& picture, QRect area, const std::function<bool(QColor)>& test) {
  area = area.intersected(picture.rect());
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) count += test(picture.pixelColor(x, y)) ? 1 : 0;
  return count;
}

const QString CalendarHtm = QStringLiteral("2024年カレンダー.htm");
const QString CalendarCsv = QStringLiteral("2024年カレンダー.csv");
const QString ClassicCsv = QStringLiteral(" 2024年カレンダー.csv");  // the classic basis's name

}  // namespace

class WindowTest : public QObject {
  Q_OBJECT

 private slots:
  void startUpFillsTheScreenAndTheControls() {
    ProgramFolder folder;
    Window w(folder);
    QCOMPARE(w.window.windowTitle(), QStringLiteral("Ventorel"));
    QCOMPARE(w.control<QLineEdit>()->text(), QString::number(QDate::currentDate().year()));
    QVERIFY(w.control<QLabel>("年"));  // the buttons are found by their labels below
    auto* combo = w.control<QComboBox>();
    QCOMPARE(combo->count(), 2);
    QCOMPARE(combo->itemText(0), HtmName);
    QCOMPARE(combo->itemText(1), CsvName);
    QCOMPARE(combo->currentText(), HtmName);
    QVERIFY(w.messages.texts.empty());
    QCOMPARE(w.window.surface().background(), QColor(200, 200, 255));
    // The controls and the printed lines write with a font that has Japanese.
    if (!QFontDatabase::families(QFontDatabase::Japanese).isEmpty()) {
      QVERIFY(QFontDatabase::families(QFontDatabase::Japanese).contains(w.window.font().family()));
      QCOMPARE(w.window.surface().font().family(), w.window.font().family());
    }
    // The controls keep the order and relative sizes of their layout.
    const QRect text1 = w.control<QLineEdit>()->geometry();
    const QRect up = w.control<QPushButton>("▲")->geometry();
    const QRect down = w.control<QPushButton>("▼")->geometry();
    const QRect list = w.control<QComboBox>()->geometry();
    const QRect create = w.control<QPushButton>("カレンダー作成")->geometry();
    QCOMPARE(text1.topLeft(), QPoint(0, 0));
    QVERIFY(up.left() < text1.right() + 2 && up.bottom() + 1 == down.top() && up.height() == down.height());
    QVERIFY(list.left() > up.right() && create.left() >= list.right() && create.height() == text1.height());
    // Tab order: the year box, カレンダー作成, ▲, ▼, the format list, 原典の計算.
    QWidget* expected[] = {w.control<QPushButton>("カレンダー作成"), w.control<QPushButton>("▲"),
                           w.control<QPushButton>("▼"), combo, w.control<QCheckBox>("原典の計算")};
    QWidget* at = w.control<QLineEdit>();
    for (QWidget* next : expected) {
      do at = at->nextInFocusChain();
      while (at->focusPolicy() == Qt::NoFocus || at->focusProxy());
      QCOMPARE(at, next);
    }

    w.show();
    const QRect screen = w.window.screen()->availableGeometry();
    QCOMPARE(w.window.frameGeometry().size(), screen.size());
    QCOMPARE(w.window.surface().scaleWidth(), double(w.window.width()));
    QCOMPARE(w.window.surface().picture().size(), w.window.size());
  }

  void startDrawingShowsTheRedTitle() {
    ProgramFolder folder;
    Window w(folder);
    w.show();
    const QImage picture = w.window.surface().picture();
    const QtSurface& s = w.window.surface();
    // The title at grid (200, 500), 50 points: solid red inside its letters,
    // with the near-white shadow beside them.
    const QRect title(int(s.scaleWidth() / 12000 * 200), int(s.scaleHeight() / 8600 * 500), 300, 80);
    QVERIFY(countPixels(picture, title, [](QColor c) { return c == QColor(250, 0, 0); }) > 200);
    QVERIFY(countPixels(picture, title, [](QColor c) { return c == QColor(250, 250, 250); }) > 20);
    // The background dot at the bottom left (i = 40, j = 1): red 255, green 249, blue 6.
    QCOMPARE(picture.pixelColor(2, int(s.scaleHeight() * 39 / 40) + 5), QColor(255, 249, 6));
  }

  void yearButtonsSkipZero_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<bool>("up");
    QTest::addColumn<QString>("result");
    QTest::newRow("-1 up") << "-1" << true << "1";
    QTest::newRow("1 down") << "1" << false << "-1";
    QTest::newRow("2024 up") << "2024" << true << "2025";
    QTest::newRow("letters stay") << "abc" << false << "abc";
  }
  void yearButtonsSkipZero() {
    QFETCH(QString, start);
    QFETCH(bool, up);
    QFETCH(QString, result);
    ProgramFolder folder;
    Window w(folder);
    w.show();
    w.control<QLineEdit>()->setText(start);
    QTest::mouseClick(w.control<QPushButton>(up ? "▲" : "▼"), Qt::LeftButton);
    QCOMPARE(w.control<QLineEdit>()->text(), result);
  }

  void buttonRunWritesTheCalendarAndDrawsTheSummary() {
    ProgramFolder folder;
    Window w(folder);
    w.show();
    w.typeYear("2024");
    QTest::mouseClick(w.control<QPushButton>("カレンダー作成"), Qt::LeftButton);
    QCOMPARE(w.window.runsStarted(), 1);
    QCOMPARE(int(w.window.lastReport().status), int(RunStatus::Done));
    QVERIFY(QFile::exists(folder.file(CalendarHtm)));
    QCOMPARE(w.launcher.paths.size(), std::size_t(1));
    QVERIFY(w.window.settings().outputFormat.equals(0));

    const QImage picture = w.window.surface().picture();
    const double width = w.window.surface().scaleWidth();
    const double height = w.window.surface().scaleHeight();
    // Bands at the left edge, where no text goes: yellow at the top, cyan at the bottom.
    QCOMPARE(picture.pixelColor(2, int(height * 0 / 30) + 10), QColor(255, 250, 0));
    QCOMPARE(picture.pixelColor(2, int(height * 15 / 30) + 10), QColor(128, 250, 128));
    QCOMPARE(picture.pixelColor(2, int(height * 29 / 30) + 10), QColor(8, 250, 247));
    // Red summary lines in the middle column, below the headers.
    const QRect middle(int(width * 4100 / 12000), int(height * 1000 / 8600), int(width * 3900 / 12000), int(height));
    QVERIFY(countPixels(picture, middle, [](QColor c) { return c.red() > 120 && c.green() < 100 && c.blue() < 100; }) >
            50);
    const QRect left(int(width * 100 / 12000), int(height * 1000 / 8600), int(width * 3900 / 12000), int(height));
    QCOMPARE(countPixels(picture, left, [](QColor c) { return c.red() > 120 && c.green() < 100 && c.blue() < 100; }),
             0);
  }

  void enterInTheYearBoxRunsToo() {
    ProgramFolder folder;
    Window w(folder);
    w.show();
    w.typeYear("2024");
    QTest::keyClick(w.control<QLineEdit>(), Qt::Key_Return);
    QCOMPARE(w.window.runsStarted(), 1);
    QVERIFY(QFile::exists(folder.file(CalendarHtm)));
  }

  void csvChosenRunAndClosedIsSaved() {
    ProgramFolder folder;
    Window w(folder);
    w.show();
    auto* combo = w.control<QComboBox>();
    // A choice from the list is not a text change: the format follows at the run.
    combo->setCurrentIndex(1);
    QVERIFY(w.window.settings().outputFormat.equals(0));
    w.typeYear("2024");
    QTest::mouseClick(w.control<QPushButton>("カレンダー作成"), Qt::LeftButton);
    QVERIFY(w.window.settings().outputFormat.equals(1));
    QVERIFY(QFile::exists(folder.file(CalendarCsv)));
    QCOMPARE(combo->currentText(), CsvName);
    w.window.close();
    QCOMPARE(readFile(folder.file("ini.dat")), QByteArray("1\r\n0\r\n"));
  }

  // The check box: unchecked (the true sky) for a settings file of the format
  // alone; checked, it makes the classic calendar, and it is saved as the second
  // record and read back at the next start.
  void classicCheckBoxChoosesTheCalendarAndIsSaved() {
    ProgramFolder folder("1\r\n");
    // The data table of the true basis: the day's row begins with its ISO date; 処暑 falls on it.
    const QByteArray trueAugust22 = "\"2024-08-22\",\"\",\"木\",";
    {
      Window w(folder);
      w.show();
      auto* box = w.control<QCheckBox>("原典の計算");
      QVERIFY(!box->isChecked());
      w.typeYear("2024");
      QTest::mouseClick(w.control<QPushButton>("カレンダー作成"), Qt::LeftButton);
      QVERIFY(readFile(folder.file(CalendarCsv)).contains(trueAugust22));
      QTest::mouseClick(box, Qt::LeftButton);
      QVERIFY(box->isChecked());
      QTest::mouseClick(w.control<QPushButton>("カレンダー作成"), Qt::LeftButton);
      QVERIFY(!readFile(folder.file(ClassicCsv)).contains(trueAugust22));
      QVERIFY(readFile(folder.file(CalendarCsv)).contains(trueAugust22));
      w.window.close();
      QCOMPARE(readFile(folder.file("ini.dat")), QByteArray("1\r\n1\r\n"));
    }
    Window again(folder);
    QVERIFY(again.control<QCheckBox>("原典の計算")->isChecked());
    QCOMPARE(again.control<QComboBox>()->currentText(), CsvName);
  }

  void listChoiceWithoutRunKeepsTheSavedFormat() {
    ProgramFolder folder;
    Window w(folder);
    w.show();
    w.control<QComboBox>()->setCurrentIndex(1);
    w.window.close();
    QCOMPARE(readFile(folder.file("ini.dat")), QByteArray("0\r\n0\r\n"));
  }

  void typedFormatNamesSetTheFormat() {
    ProgramFolder folder;
    Window w(folder);
    w.show();
    QLineEdit* edit = w.control<QComboBox>()->lineEdit();
    edit->selectAll();
    // Japanese text arrives from the input method as a committed string.
    QInputMethodEvent typed;
    typed.setCommitString(CsvName);
    QApplication::sendEvent(edit, &typed);
    QVERIFY(w.window.settings().outputFormat.equals(1));
    QTest::keyClick(edit, Qt::Key_Backspace);  // "csv形" is no format name
    QVERIFY(w.window.settings().outputFormat.equals(1));
  }

  void missingAndDamagedFilesAreReportedOnceWithTheFileBeneath() {
    ProgramFolder folder;
    writeFile(folder.file("gen1.dat"), readFile(folder.file("gen1.dat")).replace("\n230,", "\n230,x"));
    QFile::remove(folder.file("ini.dat"));
    Window w(folder);
    QCOMPARE(w.messages.texts.size(), std::size_t(2));
    QCOMPARE(QString::fromStdString(w.messages.texts[0]),
             Aree + QStringLiteral("\ngen1.dat 230行目：始まりの年が整数ではありません"));
    QVERIFY(QString::fromStdString(w.messages.texts[1]).startsWith(Aree + QStringLiteral("\nini.dat：")));
    QCOMPARE(w.control<QComboBox>()->currentText(), HtmName);
    // A missing settings file is created at close: the chosen format is kept.
    w.show();
    w.window.close();
    QCOMPARE(w.messages.texts.size(), std::size_t(2));
    QCOMPARE(readFile(folder.file("ini.dat")), QByteArray("0\r\n0\r\n"));
  }

  void inputDuringARunIsDropped() {
    ProgramFolder folder;
    Window w(folder);
    w.show();
    w.typeYear("2024");
    auto* up = w.control<QPushButton>("▲");
    auto* create = w.control<QPushButton>("カレンダー作成");
    // Clicks queued while the run is busy: on "▲" and on the button itself.
    w.launcher.duringRun = [&] {
      for (QPushButton* button : {up, create}) {
        const QPointF at(button->rect().center());
        QCoreApplication::postEvent(button, new QMouseEvent(QEvent::MouseButtonPress, at, button->mapToGlobal(at),
                                                             Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
        QCoreApplication::postEvent(button, new QMouseEvent(QEvent::MouseButtonRelease, at, button->mapToGlobal(at),
                                                             Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
      }
    };
    QTest::mouseClick(create, Qt::LeftButton);
    QTest::qWait(50);
    QCOMPARE(w.window.runsStarted(), 1);
    QCOMPARE(w.control<QLineEdit>()->text(), QStringLiteral("2024"));
    // After the run the window takes clicks again.
    w.launcher.duringRun = nullptr;
    QTest::mouseClick(up, Qt::LeftButton);
    QCOMPARE(w.control<QLineEdit>()->text(), QStringLiteral("2025"));
  }

  void aBrowserThatFailsIsToldOnce() {
    ProgramFolder folder;
    Window w(folder);
    w.launcher.fails = true;
    w.show();
    w.typeYear("2024");
    QTest::mouseClick(w.control<QPushButton>("カレンダー作成"), Qt::LeftButton);
    QCOMPARE(int(w.window.lastReport().status), int(RunStatus::RunError));
    QCOMPARE(w.messages.texts.size(), std::size_t(1));
    QVERIFY(!w.messages.texts[0].empty());
  }

  void aFileThatCannotBeWrittenIsToldOnceAndTheWindowGoesOn() {
    ProgramFolder folder;
    // A folder in the calendar's place: the file cannot be written.
    QVERIFY(QDir(folder.path()).mkdir(CalendarHtm));
    Window w(folder);
    w.show();
    w.typeYear("2024");
    QTest::mouseClick(w.control<QPushButton>("カレンダー作成"), Qt::LeftButton);
    QCOMPARE(int(w.window.lastReport().status), int(RunStatus::WriteFailed));
    QCOMPARE(w.messages.texts.size(), std::size_t(1));
    QVERIFY(w.launcher.paths.empty());
    // The next run with the other format works.
    w.control<QComboBox>()->setCurrentIndex(1);
    QTest::mouseClick(w.control<QPushButton>("カレンダー作成"), Qt::LeftButton);
    QCOMPARE(int(w.window.lastReport().status), int(RunStatus::Done));
    QVERIFY(QFile::exists(folder.file(CalendarCsv)));
  }

  void surfaceKeepsWhatIsDrawnUntilCleared() {
    QWidget window;
    window.resize(400, 300);
    QtSurface surface(QApplication::font().family(), &window);
    surface.setBackground({10, 20, 30});
    surface.setPenWidth(10);
    surface.dot(50, 50, {256, 0, 128});
    surface.setPenWidth(1);
    surface.dot(200.7, 100.2, {0, 256, 0});
    QImage picture = surface.picture();
    QCOMPARE(picture.size(), QSize(400, 300));
    QCOMPARE(picture.pixelColor(50, 50), QColor(255, 0, 128));
    QCOMPARE(picture.pixelColor(54, 50), QColor(255, 0, 128));  // a round dot of the pen width
    QCOMPARE(picture.pixelColor(57, 57), QColor(10, 20, 30));
    QCOMPARE(picture.pixelColor(200, 100), QColor(0, 255, 0));
    QCOMPARE(picture.pixelColor(201, 100), QColor(10, 20, 30));

    // A printed line moves the text position to the left edge of the next line,
    // one line height further down; a bigger font makes a taller line.
    surface.setTextX(120);
    surface.setTextY(10);
    surface.setFontSize(9);
    surface.printLine("x");
    QCOMPARE(surface.textX(), 0.0);
    const double small = surface.textY() - 10;
    QVERIFY(small > 5);
    surface.setFontSize(24);
    surface.printEmptyLine();
    QVERIFY(surface.textY() - 10 - small > 2 * small);

    // Growing the window keeps the drawing; the new part is background.
    window.resize(500, 400);
    surface.setWindowGeometry(0, 0, 500, 400);
    picture = surface.picture();
    QCOMPARE(picture.size(), QSize(500, 400));
    QCOMPARE(picture.pixelColor(50, 50), QColor(255, 0, 128));
    QCOMPARE(picture.pixelColor(450, 350), QColor(10, 20, 30));

    surface.clear();
    QCOMPARE(surface.picture().pixelColor(50, 50), QColor(10, 20, 30));
    QCOMPARE(surface.textY(), 0.0);
    surface.dot(50, 50, {1, 2, 3});
    surface.setBackground({200, 200, 256});  // a new background erases too
    QCOMPARE(surface.picture().pixelColor(50, 50), QColor(200, 200, 255));
  }

  void qtMessageBoxHasOneOkButton() {
    QtMessageBox box;
    QString text;
    QList<QMessageBox::StandardButton> buttons;
    QTimer::singleShot(0, [&] {
      auto* shown = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!shown) return;
      text = shown->text();
      for (QAbstractButton* button : shown->buttons()) buttons.push_back(shown->standardButton(button));
      shown->buttons().front()->click();
    });
    box.show(Aree.toStdString());
    QCOMPARE(text, Aree);
    QCOMPARE(buttons, QList<QMessageBox::StandardButton>{QMessageBox::Ok});
  }
};

QTEST_MAIN(WindowTest)
#include "main_window_test.moc"
