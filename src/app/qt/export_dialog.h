// File → Export: which formats, which years, which folder. The folder is chosen
// with the desktop's folder dialog, or with the chooser the window was given.
#pragma once

#include <functional>
#include <vector>

#include <QDialog>

#include "app/window_export.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace ventorel {

// Asks the user for a folder: the dialog's parent, its title and the folder to
// start from; an empty text when the user cancelled.
using FolderChooser = std::function<QString(QWidget* parent, const QString& title, const QString& start)>;

class ExportDialog : public QDialog {
  Q_OBJECT

 public:
  ExportDialog(const std::vector<ExportFormat>& formats, const QString& years, const QString& folder,
               FolderChooser chooser, QWidget* parent = nullptr);

  std::vector<ExportFormat> formats() const;
  QString years() const;
  QString folder() const;

 private:
  void chooseFolder();
  void updateButtons();

  FolderChooser chooser_;
  std::vector<std::pair<ExportFormat, QCheckBox*>> formatBoxes_;
  QLineEdit* firstYear_ = nullptr;
  QLineEdit* lastYear_ = nullptr;
  QLineEdit* folder_ = nullptr;
  QPushButton* ok_ = nullptr;
};

}  // namespace ventorel
