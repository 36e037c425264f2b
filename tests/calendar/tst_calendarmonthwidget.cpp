#include <OrvaGUIToolkit/Calendar/CalendarMonthWidget.h>

#include <QtTest/QtTest>
#include <QtWidgets/QHeaderView>

using OrvaGUIToolkit::CCalendarMonthWidget;

class TestCalendarMonthWidget : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void grid();
    void releaseChoosesTheMonth_data();
    void releaseChoosesTheMonth();
};

namespace {

void Release(CCalendarMonthWidget& picker, const QPoint& point, Qt::MouseButton enumButton)
{
    QMouseEvent event(QEvent::MouseButtonRelease, QPointF(point), QPointF(picker.viewport()->mapToGlobal(point)),
                      enumButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(picker.viewport(), &event);
}

} // namespace

void TestCalendarMonthWidget::grid()
{
    CCalendarMonthWidget picker;
    QCOMPARE(picker.objectName(), QStringLiteral("CCalendarMonthWidget"));
    QCOMPARE(picker.rowCount(), 2);
    QCOMPARE(picker.columnCount(), 6);
    QStringList listTexts;
    for (int iRow = 0; iRow < 2; ++iRow) {
        for (int iColumn = 0; iColumn < 6; ++iColumn)
            listTexts << picker.item(iRow, iColumn)->text();
    }
    QCOMPARE(listTexts, QStringList({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"}));
    QCOMPARE(picker.columnWidth(5), 31);
    const int iMonth = QDate::currentDate().month();
    QCOMPARE(picker.currentIndex(), picker.model()->index((iMonth - 1) / 6, (iMonth - 1) % 6));
}

void TestCalendarMonthWidget::releaseChoosesTheMonth_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QDate>("expected");
    QTest::newRow("1") << 0 << 0 << QDate(2016, 1, 1);
    QTest::newRow("12") << 1 << 5 << QDate(2016, 12, 1);
}

void TestCalendarMonthWidget::releaseChoosesTheMonth()
{
    QFETCH(int, row);
    QFETCH(int, column);

    CCalendarMonthWidget picker;
    picker.resize(6 * 31, 60);
    QSignalSpy spy(&picker, &CCalendarMonthWidget::SignalSelectionChanged);
    // Setting the date reports a change only.
    picker.SetSelectedDate(QDate());
    picker.SetSelectedDate(QDate::currentDate());
    QCOMPARE(spy.count(), 0);
    picker.SetSelectedDate(QDate(2016, 3, 9));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(picker.selectionModel()->selectedIndexes(), QModelIndexList{picker.model()->index(0, 2)});
    picker.show();
    QVERIFY(QTest::qWaitForWindowExposed(&picker));
    spy.clear();
    const QPoint point = picker.visualRect(picker.model()->index(row, column)).center();

    Release(picker, point, Qt::RightButton);
    Release(picker, point, Qt::LeftButton);
    QTEST(picker.GetSelectedDate(), "expected");
    QCOMPARE(spy.count(), 0);

    // A release beside the months chooses none.
    picker.resize(6 * 31 + 40, 60);
    Release(picker, QPoint(6 * 31 + 20, 10), Qt::LeftButton);
    QVERIFY(!picker.GetSelectedDate().isValid());
}

QTEST_MAIN(TestCalendarMonthWidget)
#include "tst_calendarmonthwidget.moc"
