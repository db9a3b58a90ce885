#include "platform/qt/qt_launcher.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace ventorel {

bool QtLauncher::openInBrowser(const std::string& path, std::string& error) {
  if (QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)))) return true;
  error = "このデスクトップにはHTMファイルを開くプログラムが見つかりません";
  return false;
}

void QtLauncher::openInSpreadsheet(const std::string& path) {
  // The caller goes on whatever happens here.
  QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

}  // namespace ventorel
