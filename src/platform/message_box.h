// A message box with one text and a single OK button.
#pragma once

#include <string>

namespace ventorel {

class MessageBox {
 public:
  virtual ~MessageBox() = default;
  // Shows the text and returns when the user has pressed OK.
  virtual void show(const std::string& text) = 0;
};

}  // namespace ventorel
