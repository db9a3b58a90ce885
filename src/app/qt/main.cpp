// ventorel: the calendar window.
//
//   ventorel                 the window
//   ventorel --dump-widgets  prints the window's widgets (class, object name,
//                            accessible name; one a line) and ends, showing nothing
//   ventorel --timing        tells on standard error when the first month is
//                            drawn and how long each month move takes
//   ventorel --folder DIR    reads the data files and ini.dat from DIR
//
// Without --folder, the data files are looked for in share/ventorel beside the
// program's bin/ folder, then in the program's folder, then in the current folder.

#include <cstdio>
#include <cstring>
#include <string>

#include <QApplication>
#include <QElapsedTimer>

#include "app/qt/calendar_window.h"
#include "platform/file_io.h"

int main(int argc, char** argv) {
  QElapsedTimer clock;
  clock.start();
  bool dump = false;
  bool timing = false;
  std::string folder;
  for (int i = 1; i < argc; ++i) {
    dump = dump || std::strcmp(argv[i], "--dump-widgets") == 0;
    timing = timing || std::strcmp(argv[i], "--timing") == 0;
    if (std::strcmp(argv[i], "--folder") == 0 && i + 1 < argc) folder = argv[++i];
    if (std::strcmp(argv[i], "--help") == 0) {
      std::printf("usage: ventorel [--folder DIR] [--dump-widgets] [--timing]\n");
      return 0;
    }
  }
  // The widget tree needs no screen.
  if (dump && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ventorel::ignoreFileSizeSignal();
  QApplication app(argc, argv);
  QApplication::setApplicationName("ventorel");
  QApplication::setApplicationDisplayName("Ventorel");
  QApplication::setDesktopFileName("org.ventorel.Ventorel");
  ventorel::CalendarWindowServices services;
  if (timing) services.startClock = &clock;
  services.dataFolder = folder;
  ventorel::CalendarWindow window(services);
  if (dump) {
    std::string out;
    ventorel::dumpWidgets(window, out);
    std::fwrite(out.data(), 1, out.size(), stdout);
    return 0;
  }
  window.show();
  return app.exec();
}
