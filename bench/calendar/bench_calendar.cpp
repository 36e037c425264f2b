// Cost of the month calendar with real volumes of day marks, against the
// plainest loop that produces the same result:
//   repaint   one full repaint of the day grid (49 cells through the model,
//             the delegate and the mark painting) with 0, 90 or 3 650 marked
//             days; floor: 49 fillRect + drawText calls into a pixmap of the
//             same size;
//   mark      marking ten years of days one by one (a client filling the
//             calendar from a recording index); floor: the same number of
//             inserts into a QHash;
//   range     selecting a range of ten years in MultiSelection mode, which
//             selects only the cells on display; floor: selecting the 42
//             cells directly.
//
// Run: QT_QPA_PLATFORM=offscreen build/bench/bench/calendar/bench_calendar

#include <OrvaGUIToolkit/Calendar/CalendarWidget.h>

#include <QtGui/QPainter>
#include <QtTest/QtTest>
#include <QtWidgets/QTableView>

using OrvaGUIToolkit::CCalendarWidget;

namespace {

constexpr int s_iTenYears = 3650;
const QDate s_dateLast(2026, 12, 5);

void MarkDays(CCalendarWidget& calendar, int iDays)
{
    for (int i = 0; i < iDays; ++i)
        calendar.SetDayMarkColor(s_dateLast.addDays(-i), i % 3 ? QColor(93, 128, 248) : QColor(236, 140, 52));
}

} // namespace

class BenchCalendar : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void repaint_data();
    void repaint();
    void repaintFloor();
    void mark();
    void markFloor();
    void range();
    void rangeFloor();
};

void BenchCalendar::repaint_data()
{
    QTest::addColumn<int>("marks");
    QTest::newRow("no marks") << 0;
    QTest::newRow("90 days marked") << 90;
    QTest::newRow("ten years marked") << s_iTenYears;
}

void BenchCalendar::repaint()
{
    QFETCH(int, marks);
    CCalendarWidget calendar;
    calendar.SetSelectedDate(s_dateLast);
    MarkDays(calendar, marks);
    auto* pView = calendar.findChild<QTableView*>(QStringLiteral("m_pView"));
    calendar.show();
    QPixmap pixmap(pView->viewport()->size());
    QBENCHMARK {
        pView->viewport()->render(&pixmap);
    }
}

void BenchCalendar::repaintFloor()
{
    QPixmap pixmap(189, 172);
    QBENCHMARK {
        QPainter painter(&pixmap);
        for (int iCell = 0; iCell < 49; ++iCell) {
            const QRect rect(iCell % 7 * 27, iCell / 7 * 24, 27, 24);
            painter.fillRect(rect, Qt::white);
            painter.drawText(rect, Qt::AlignCenter, QString::number(iCell % 31 + 1));
        }
    }
}

void BenchCalendar::mark()
{
    QBENCHMARK {
        CCalendarWidget calendar;
        MarkDays(calendar, s_iTenYears);
    }
}

void BenchCalendar::markFloor()
{
    QBENCHMARK {
        CCalendarWidget calendar;
        QHash<QDate, QColor> hashMarks;
        for (int i = 0; i < s_iTenYears; ++i)
            hashMarks.insert(s_dateLast.addDays(-i), QColor(93, 128, 248));
    }
}

void BenchCalendar::range()
{
    CCalendarWidget calendar;
    calendar.SetSelectionMode(CCalendarWidget::MultiSelection);
    calendar.SetSelectedDate(s_dateLast);
    bool bLong = false;
    QBENCHMARK {
        bLong = !bLong;
        calendar.SetSelectedDate(s_dateLast, s_dateLast.addDays(bLong ? s_iTenYears : s_iTenYears - 1));
    }
}

void BenchCalendar::rangeFloor()
{
    CCalendarWidget calendar;
    auto* pView = calendar.findChild<QTableView*>(QStringLiteral("m_pView"));
    QItemSelectionModel* pSelection = pView->selectionModel();
    QBENCHMARK {
        pSelection->clearSelection();
        for (int iCell = 0; iCell < 42; ++iCell)
            pSelection->setCurrentIndex(pView->model()->index(1 + iCell / 7, iCell % 7), QItemSelectionModel::Select);
    }
}

QTEST_MAIN(BenchCalendar)
#include "bench_calendar.moc"
