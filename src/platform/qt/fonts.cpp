#include "platform/qt/fonts.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

namespace ventorel {

QString japaneseFontFamily() {
  const QStringList all = QFontDatabase::families();
  for (const char* preferred : {"IPAPGothic", "IPAGothic", "Noto Sans CJK JP", "Noto Sans JP"}) {
    if (all.contains(QString::fromLatin1(preferred))) return QString::fromLatin1(preferred);
  }
  const QStringList japanese = QFontDatabase::families(QFontDatabase::Japanese);
  for (const QString& family : japanese) {
    if (family.contains("Gothic", Qt::CaseInsensitive) || family.contains("Sans", Qt::CaseInsensitive)) return family;
  }
  if (!japanese.isEmpty()) return japanese.front();
  return QApplication::font().family();
}

}  // namespace ventorel
