// The month view: a 7-column grid (日 … 土) of six weeks. Each cell shows the
// day, its 六曜, the old-calendar date, the holiday in red and the term or 雑節 in
// small type; Sundays and holidays are red, Saturdays blue, days of the months
// beside dimmed, 朔 marked ●. The view shows a MonthSheet and tells which day the
// user asks for (a click, the arrow keys a day or a week, PgUp/PgDn a month);
// the window decides what is shown.
#pragma once

#include <QStyledItemDelegate>
#include <QTableWidget>

#include "app/month_sheet.h"

namespace ventorel {

class MonthView : public QTableWidget {
  Q_OBJECT

 public:
  // The roles a cell's item carries, beside its day number as the display text.
  enum Role {
    RokuyoRole = Qt::UserRole + 1,
    OldDateRole,
    HolidayRole,
    NoteRole,
    InMonthRole,
    WeekdayRole,
    NewMoonRole,
    IsoDateRole,  // "2024-05-06"
  };

  explicit MonthView(QWidget* parent = nullptr);

  void showSheet(const MonthSheet& sheet);
  // Marks the cell of the date as the current one (when the sheet has it).
  void selectDate(const Date& date);
  const Date& selectedDate() const { return selected_; }

 signals:
  void dateRequested(const ventorel::Date& date);
  // After each paint of the grid.
  void painted();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void fitRows();
  MonthSheet sheet_;
  Date selected_;
};

// Paints one cell of the month view from its item's roles, in the palette's colours.
class MonthCellDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

// The red of Sundays and holidays and the blue of Saturdays, readable on the palette's base.
QColor sundayColour(const QPalette& palette);
QColor saturdayColour(const QPalette& palette);

}  // namespace ventorel
