// The desktop's message box and launcher, for a window that was given none.
#pragma once

#include <memory>

#include "platform/qt/qt_launcher.h"
#include "platform/qt/qt_message_box.h"

namespace ventorel {

// Fills the message box and the launcher that `services` leaves unset with the
// desktop's own, owned by `ownMessages` and `ownLauncher`.
template <typename Services>
void takeDesktopServices(Services& services, QWidget* parent, std::unique_ptr<MessageBox>& ownMessages,
                         std::unique_ptr<Launcher>& ownLauncher) {
  if (services.messages == nullptr) {
    ownMessages = std::make_unique<QtMessageBox>(parent);
    services.messages = ownMessages.get();
  }
  if (services.launcher == nullptr) {
    ownLauncher = std::make_unique<QtLauncher>();
    services.launcher = ownLauncher.get();
  }
}

}  // namespace ventorel
