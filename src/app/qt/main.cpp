// ventorel: the calendar window.
//
// The data files are read from the current directory, and the calendars are
// written there.

#include <QApplication>

#include "app/qt/main_window.h"
#include "platform/file_io.h"

int main(int argc, char** argv) {
  ventorel::ignoreFileSizeSignal();
  QApplication app(argc, argv);
  QApplication::setApplicationName("ventorel");
  QApplication::setApplicationDisplayName("Ventorel");
  ventorel::MainWindow window;
  window.show();
  return app.exec();
}
