#include "app/qt/month_view.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>

namespace ventorel {

namespace {

bool darkPalette(const QPalette& palette) { return palette.color(QPalette::Base).lightness() < 128; }

QString text(const std::string& s) { return QString::fromStdString(s); }

QString isoText(const Date& date) {
  return QString::fromStdString(userYearText(date.year)) + QStringLiteral("-%1-%2")
                                                               .arg(date.month, 2, 10, QLatin1Char('0'))
                                                               .arg(date.day, 2, 10, QLatin1Char('0'));
}

constexpr const char* WeekdayHeads[] = {"日", "月", "火", "水", "木", "金", "土"};

}  // namespace

QColor sundayColour(const QPalette& palette) {
  return darkPalette(palette) ? QColor(0xff, 0x7b, 0x72) : QColor(0xc6, 0x28, 0x28);
}

QColor saturdayColour(const QPalette& palette) {
  return darkPalette(palette) ? QColor(0x79, 0xb8, 0xff) : QColor(0x15, 0x65, 0xc0);
}

MonthView::MonthView(QWidget* parent) : QTableWidget(6, 7, parent) {
  setObjectName("monthView");
  setAccessibleName(QStringLiteral("月の表"));
  setItemDelegate(new MonthCellDelegate(this));
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setShowGrid(true);
  setWordWrap(false);
  setTabKeyNavigation(false);
  verticalHeader()->hide();
  horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  horizontalHeader()->setHighlightSections(false);
  for (int c = 0; c < 7; ++c) {
    auto* head = new QTableWidgetItem(QString::fromUtf8(WeekdayHeads[c]));
    if (c == 0) head->setForeground(sundayColour(palette()));
    if (c == 6) head->setForeground(saturdayColour(palette()));
    setHorizontalHeaderItem(c, head);
  }
  setMinimumSize(7 * 64, 6 * 56);
  connect(this, &QTableWidget::cellClicked, this, [this](int row, int column) {
    const std::size_t at = static_cast<std::size_t>(row * 7 + column);
    if (at < sheet_.cells.size()) emit dateRequested(sheet_.cells[at].date);
  });
}

void MonthView::showSheet(const MonthSheet& sheet) {
  sheet_ = sheet;
  setUpdatesEnabled(false);
  for (std::size_t i = 0; i < sheet_.cells.size() && i < 42; ++i) {
    const MonthCell& cell = sheet_.cells[i];
    auto* item = new QTableWidgetItem(QString::number(cell.date.day));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setData(RokuyoRole, text(cell.rokuyo));
    item->setData(OldDateRole, text(cell.oldDate));
    item->setData(HolidayRole, text(cell.holiday));
    item->setData(NoteRole, text(cell.note));
    item->setData(InMonthRole, cell.inMonth);
    item->setData(WeekdayRole, cell.weekday);
    item->setData(NewMoonRole, cell.newMoon);
    item->setData(IsoDateRole, isoText(cell.date));
    // What a screen reader says of the cell.
    QStringList spoken{QStringLiteral("%1月%2日").arg(cell.date.month).arg(cell.date.day),
                       QString::fromUtf8(WeekdayHeads[cell.weekday]) + QStringLiteral("曜日")};
    for (const std::string* part : {&cell.holiday, &cell.note, &cell.rokuyo, &cell.oldDate})
      if (!part->empty()) spoken << text(*part);
    item->setData(Qt::AccessibleTextRole, spoken.join(QLatin1Char(' ')));
    setItem(static_cast<int>(i / 7), static_cast<int>(i % 7), item);
  }
  fitRows();
  setUpdatesEnabled(true);
}

void MonthView::selectDate(const Date& date) {
  selected_ = date;
  for (std::size_t i = 0; i < sheet_.cells.size(); ++i) {
    if (sheet_.cells[i].inMonth && sheet_.cells[i].date == date) {
      setCurrentCell(static_cast<int>(i / 7), static_cast<int>(i % 7));
      return;
    }
  }
}

void MonthView::keyPressEvent(QKeyEvent* event) {
  const std::int64_t jdn = jdnOf(selected_);
  switch (event->key()) {
    case Qt::Key_Left: emit dateRequested(dateOf(jdn - 1)); return;
    case Qt::Key_Right: emit dateRequested(dateOf(jdn + 1)); return;
    case Qt::Key_Up: emit dateRequested(dateOf(jdn - 7)); return;
    case Qt::Key_Down: emit dateRequested(dateOf(jdn + 7)); return;
    case Qt::Key_PageUp: emit dateRequested(monthsLater(selected_, -1)); return;
    case Qt::Key_PageDown: emit dateRequested(monthsLater(selected_, 1)); return;
    case Qt::Key_Home: emit dateRequested(Date{selected_.year, selected_.month, 1}); return;
    case Qt::Key_End:
      emit dateRequested(Date{selected_.year, selected_.month, daysInMonth(selected_.year, selected_.month)});
      return;
    default: QTableWidget::keyPressEvent(event);
  }
}

void MonthView::resizeEvent(QResizeEvent* event) {
  QTableWidget::resizeEvent(event);
  fitRows();
}

void MonthView::paintEvent(QPaintEvent* event) {
  QTableWidget::paintEvent(event);
  emit painted();
}

void MonthView::fitRows() {
  // A last week wholly of the next month is left out.
  const bool sixth = sheet_.cells.size() >= 36 && sheet_.cells[35].inMonth;
  const int rows = sixth ? 6 : 5;
  setRowHidden(5, !sixth);
  const int height = viewport()->height();
  for (int r = 0; r < rows; ++r) setRowHeight(r, height / rows + (r < height % rows ? 1 : 0));
}

void MonthCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  const QPalette& palette = option.palette;
  const bool inMonth = index.data(MonthView::InMonthRole).toBool();
  const bool selected = option.state & QStyle::State_Selected;
  const int weekday = index.data(MonthView::WeekdayRole).toInt();
  const QString holiday = index.data(MonthView::HolidayRole).toString();
  const QRect box = option.rect;
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing);
  QColor background = palette.color(inMonth ? QPalette::Base : QPalette::AlternateBase);
  if (inMonth && (!holiday.isEmpty() || weekday == 0)) {
    QColor tint = sundayColour(palette);
    tint.setAlpha(22);
    painter->fillRect(box, background);
    background = tint;
  }
  painter->fillRect(box, background);
  if (selected) {
    QColor fill = palette.color(QPalette::Highlight);
    fill.setAlpha(40);
    painter->fillRect(box, fill);
    painter->setPen(QPen(palette.color(QPalette::Highlight), 2));
    painter->drawRect(box.adjusted(1, 1, -2, -2));
  }

  QColor dayColour = palette.color(QPalette::Text);
  if (!holiday.isEmpty() || weekday == 0) dayColour = sundayColour(palette);
  else if (weekday == 6) dayColour = saturdayColour(palette);
  QColor muted = palette.color(QPalette::PlaceholderText);
  if (!inMonth) {
    dayColour.setAlpha(90);
  }

  const QRect inner = box.adjusted(6, 3, -5, -3);
  QFont dayFont = option.font;
  dayFont.setPointSizeF(option.font.pointSizeF() * 1.6);
  dayFont.setBold(true);
  painter->setFont(dayFont);
  painter->setPen(dayColour);
  const QFontMetrics dayMetrics(dayFont);
  painter->drawText(inner.topLeft() + QPoint(0, dayMetrics.ascent()), index.data(Qt::DisplayRole).toString());
  if (!inMonth) {
    painter->restore();
    return;
  }

  QFont small = option.font;
  small.setPointSizeF(option.font.pointSizeF() * 0.95);
  const QFontMetrics smallMetrics(small);
  painter->setFont(small);
  // 六曜 at the top right, beside the day; ● for 朔 before it.
  QString corner = index.data(MonthView::RokuyoRole).toString();
  if (index.data(MonthView::NewMoonRole).toBool()) corner = QStringLiteral("● ") + corner;
  painter->setPen(muted);
  painter->drawText(QRect(inner.left(), inner.top(), inner.width(), dayMetrics.height()), Qt::AlignRight | Qt::AlignTop,
                    corner);

  int y = inner.top() + dayMetrics.height() + 1;
  auto line = [&](const QString& s, const QColor& colour, bool bold = false) {
    if (s.isEmpty() || y + smallMetrics.height() > inner.bottom() + 2) return;
    QFont f = small;
    f.setBold(bold);
    painter->setFont(f);
    painter->setPen(colour);
    painter->drawText(QRect(inner.left(), y, inner.width(), smallMetrics.height()), Qt::AlignLeft | Qt::AlignTop,
                      QFontMetrics(f).elidedText(s, Qt::ElideRight, inner.width()));
    y += smallMetrics.height();
  };
  line(holiday, sundayColour(palette), true);
  line(index.data(MonthView::OldDateRole).toString(), palette.color(QPalette::Text));
  line(index.data(MonthView::NoteRole).toString(), muted);
  painter->restore();
}

QSize MonthCellDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
  const QFontMetrics metrics(option.font);
  return {metrics.horizontalAdvance(QStringLiteral("旧閏12月1日")) + 12, metrics.height() * 5};
}

}  // namespace ventorel
