// Message boxes on Qt: a real QMessageBox with the text and a single OK button.
#pragma once

#include <QWidget>

#include "platform/message_box.h"

namespace ventorel {

class QtMessageBox : public MessageBox {
 public:
  // The boxes are centred on `parent` (on the screen when it is null or hidden).
  explicit QtMessageBox(QWidget* parent = nullptr) : parent_(parent) {}
  void show(const std::string& text) override;

 private:
  QWidget* parent_;
};

}  // namespace ventorel
