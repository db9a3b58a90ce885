#include "app/qt/export_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ventorel {

ExportDialog::ExportDialog(const std::vector<ExportFormat>& formats, const QString& years, const QString& folder,
                           FolderChooser chooser, QWidget* parent)
    : QDialog(parent), chooser_(std::move(chooser)) {
  setObjectName("exportDialog");
  setWindowTitle(QStringLiteral("書き出し"));
  setAccessibleName(QStringLiteral("書き出し"));

  auto* formatRow = new QHBoxLayout;
  const std::pair<ExportFormat, const char*> choices[] = {{ExportFormat::Html, "HTML"},
                                                          {ExportFormat::Csv, "CSV"},
                                                          {ExportFormat::Ics, "iCalendar"},
                                                          {ExportFormat::Json, "JSON"}};
  for (const auto& [format, label] : choices) {
    auto* box = new QCheckBox(QString::fromUtf8(label), this);
    box->setObjectName(QStringLiteral("format_") + exportFormatName(format));
    box->setAccessibleName(QString::fromUtf8(label));
    for (ExportFormat chosen : formats) box->setChecked(box->isChecked() || chosen == format);
    connect(box, &QCheckBox::toggled, this, &ExportDialog::updateButtons);
    formatRow->addWidget(box);
    formatBoxes_.emplace_back(format, box);
  }
  formatRow->addStretch();

  const QStringList span = years.split(QStringLiteral(".."));
  firstYear_ = new QLineEdit(span.value(0), this);
  firstYear_->setAccessibleName(QStringLiteral("最初の年"));
  lastYear_ = new QLineEdit(span.value(span.size() > 1 ? 1 : 0), this);
  lastYear_->setAccessibleName(QStringLiteral("最後の年"));
  auto* yearRow = new QHBoxLayout;
  yearRow->addWidget(firstYear_);
  yearRow->addWidget(new QLabel(QStringLiteral("年 から"), this));
  yearRow->addWidget(lastYear_);
  yearRow->addWidget(new QLabel(QStringLiteral("年 まで"), this));

  folder_ = new QLineEdit(folder, this);
  folder_->setAccessibleName(QStringLiteral("フォルダー"));
  folder_->setMinimumWidth(folder_->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 40);
  connect(folder_, &QLineEdit::textChanged, this, &ExportDialog::updateButtons);
  auto* choose = new QPushButton(QStringLiteral("選ぶ…"), this);
  choose->setAccessibleName(QStringLiteral("フォルダーを選ぶ"));
  connect(choose, &QPushButton::clicked, this, &ExportDialog::chooseFolder);
  auto* folderRow = new QHBoxLayout;
  folderRow->addWidget(folder_, 1);
  folderRow->addWidget(choose);

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("形式"), formatRow);
  form->addRow(QStringLiteral("年"), yearRow);
  form->addRow(QStringLiteral("書き出し先"), folderRow);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  ok_ = buttons->button(QDialogButtonBox::Ok);
  ok_->setText(QStringLiteral("書き出す"));
  ok_->setAccessibleName(QStringLiteral("書き出す"));
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取り消し"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
  updateButtons();
}

std::vector<ExportFormat> ExportDialog::formats() const {
  std::vector<ExportFormat> chosen;
  for (const auto& [format, box] : formatBoxes_)
    if (box->isChecked()) chosen.push_back(format);
  return chosen;
}

QString ExportDialog::years() const {
  const QString first = firstYear_->text().trimmed();
  const QString last = lastYear_->text().trimmed();
  return last.isEmpty() || last == first ? first : first + QStringLiteral("..") + last;
}

QString ExportDialog::folder() const { return folder_->text().trimmed(); }

void ExportDialog::chooseFolder() {
  const QString chosen = chooser_ ? chooser_(this, QStringLiteral("書き出すフォルダー"), folder()) : QString();
  if (!chosen.isEmpty()) folder_->setText(chosen);
}

void ExportDialog::updateButtons() { ok_->setEnabled(!formats().empty() && !folder().isEmpty()); }

}  // namespace ventorel
