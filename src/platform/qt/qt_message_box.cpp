#include "platform/qt/qt_message_box.h"

#include <QMessageBox>

namespace ventorel {

void QtMessageBox::show(const std::string& text) {
  // No icon and the program's name as the title, as a plain message box has.
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Ventorel"), QString::fromStdString(text), QMessageBox::Ok,
                  parent_);
  box.setObjectName("messageBox");
  box.exec();
}

}  // namespace ventorel
