#include "CalendarTestSupport.h"

#include "calendar/CalendarModel.h"
#include "calendar/CalendarView.h"

#include <QtTest/QtTest>
#include <QtWidgets/QHeaderView>

using namespace CalendarTest;
using OrvaGUIToolkit::CCalendarModel;
using OrvaGUIToolkit::CCalendarView;
using OrvaGUIToolkit::struCalendarData;

namespace {

CCalendarModel* ShowMonth(CCalendarModel& model, int iYear, int iMonth, Qt::DayOfWeek enumFirst)
{
    model.SetFirstColumnDay(enumFirst);
    model.ShowMonth(iYear, iMonth);
    return &model;
}

} // namespace

// The day grid's model, and its view on its own: what the view asks for,
// with nobody reacting (the current cell and the selection stay where the
// view leaves them).

class TestCalendarGrid : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_pModel = new CCalendarModel;
        m_pModel->SetFirstColumnDay(Qt::Sunday);
        m_pModel->ShowMonth(2015, 3);
        m_pModel->SetRange(QDate(2015, 2, 25), QDate(2015, 4, 3));
        m_pView = new CCalendarView;
        m_pView->setModel(m_pModel);
        m_pModel->SetView(m_pView);
        m_pView->setSelectionMode(QAbstractItemView::MultiSelection);
        m_pView->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
        m_pView->horizontalHeader()->setMinimumSectionSize(0);
        m_pView->resize(7 * 27 + 2, 7 * 25 + 2);
        for (int iColumn = 0; iColumn < 7; ++iColumn)
            m_pView->setColumnWidth(iColumn, 27);
        m_pView->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_pView));
        m_pView->selectionModel()->setCurrentIndex(m_pModel->index(3, 2), QItemSelectionModel::NoUpdate); // 10 March

        m_listLog.clear();
        connect(m_pView, &CCalendarView::SignalShowDate, this, [this](QDate date) { m_listLog << "ShowDate " + DateText(date); });
        connect(m_pView, &CCalendarView::SignalChangeDate, this, [this](QDate date, bool bMulti) {
            m_listLog << QStringLiteral("ChangeDate %1 %2").arg(DateText(date), bMulti ? "multi" : "single");
        });
        connect(m_pView, &CCalendarView::SignalClicked, this, [this](QDate date) { m_listLog << "Clicked " + DateText(date); });
        connect(m_pView, &CCalendarView::SignalSelectDate, this, [this](QDate dtBegin, QDate dtEnd) {
            m_listLog << QStringLiteral("SelectDate %1 %2").arg(DateText(dtBegin), DateText(dtEnd));
        });
        connect(m_pView, &CCalendarView::SignalEnterCalendar, this, [this] { m_listLog << "Enter"; });
    }

    void cleanup()
    {
        delete m_pView;
        delete m_pModel;
    }

    void gridMapping_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("firstDay");
        QTest::addColumn<QDate>("topLeft");     // cell (1, 0)
        QTest::addColumn<QPoint>("firstCell");  // column, row of the 1st of the month
        QTest::addColumn<QDate>("bottomRight"); // cell (6, 6)

        // A month that begins in the first column starts on the second week row.
        QTest::newRow("March 2015, Sunday first") << 2015 << 3 << 7 << QDate(2015, 2, 22) << QPoint(0, 2) << QDate(2015, 4, 4);
        QTest::newRow("January 2026, Wednesday first") << 2026 << 1 << 3 << QDate(2025, 12, 31) << QPoint(1, 1) << QDate(2026, 2, 10);
        QTest::newRow("January of year 1 follows 1 BC") << 1 << 1 << 1 << QDate(-1, 12, 25) << QPoint(0, 2) << QDate(1, 2, 4);
        QTest::newRow("December 9999 runs into 10000") << 9999 << 12 << 7 << QDate(9999, 11, 28) << QPoint(3, 1) << QDate(10000, 1, 8);
    }

    void gridMapping()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, firstDay);
        QFETCH(QDate, topLeft);
        QFETCH(QPoint, firstCell);

        CCalendarModel model;
        ShowMonth(model, year, month, static_cast<Qt::DayOfWeek>(firstDay));
        QCOMPARE(model.columnCount(), 7);
        QCOMPARE(model.DateForCell(firstCell.y(), firstCell.x()), QDate(year, month, 1));
        QTEST(model.DateForCell(6, 6), "bottomRight");
        QCOMPARE(model.DayOfWeekForColumn(0), static_cast<Qt::DayOfWeek>(firstDay));

        // Every cell maps back to itself, and the days run on one by one.
        for (int iCell = 0; iCell < 42; ++iCell) {
            const QDate date = model.DateForCell(1 + iCell / 7, iCell % 7);
            QCOMPARE(date, topLeft.addDays(iCell));
            int iRow = -1;
            int iColumn = -1;
            model.CellForDate(date, &iRow, &iColumn);
            QCOMPARE(QPoint(iColumn, iRow), QPoint(iCell % 7, 1 + iCell / 7));
            QCOMPARE(model.index(iRow, iColumn).data().toString(), QString::number(date.day()));
        }
    }

    void cellsOutsideTheMonth()
    {
        QWidget view;
        CCalendarModel model;
        model.SetView(&view);
        ShowMonth(model, 2015, 3, Qt::Sunday);
        int iRow = 0;
        int iColumn = 0;
        for (const QDate& date : {QDate(2015, 2, 21), QDate(2015, 4, 5), QDate()}) {
            model.CellForDate(date, &iRow, &iColumn);
            QCOMPARE(QPoint(iColumn, iRow), QPoint(-1, -1));
        }
        model.CellForDate(QDate(2015, 3, 10), &iRow, nullptr);
        QCOMPARE(iRow, 3);
        QCOMPARE(model.DateForCell(1, 7), QDate());

        // Hidden days of other months have no date and no text, but keep their cell.
        model.SetOtherDayShown(false);
        QCOMPARE(model.DateForCell(1, 0), QDate());
        QCOMPARE(model.index(1, 0).data().toString(), QString());
        QCOMPARE(model.index(1, 0).data(Qt::ForegroundRole).value<QColor>(), view.palette().color(QPalette::Disabled, QPalette::Text));
        model.CellForDate(QDate(2015, 2, 22), &iRow, &iColumn);
        QCOMPARE(QPoint(iColumn, iRow), QPoint(0, 1));
        QCOMPARE(model.index(6, 2).data().toString(), QStringLiteral("31"));
    }

    void headerRow()
    {
        QWidget view;
        view.setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        CCalendarModel model;
        model.SetView(&view);
        ShowMonth(model, 2015, 3, Qt::Monday);

        QStringList listNames;
        for (int iColumn = 0; iColumn < 7; ++iColumn)
            listNames << model.index(0, iColumn).data().toString();
        QCOMPARE(listNames, QStringList({"M", "T", "W", "T", "F", "S", "S"}));

        // Any format other than none and narrow names keeps the row, empty.
        model.SetHorizontalHeaderFormat(static_cast<struCalendarData::HorizontalHeaderFormat>(3));
        QCOMPARE(model.rowCount(), 7);
        QCOMPARE(model.index(0, 0).data().toString(), QString());

        QSignalSpy spyRemoved(&model, &CCalendarModel::rowsRemoved);
        model.SetHorizontalHeaderFormat(struCalendarData::NoHorizontalHeader);
        QCOMPARE(spyRemoved.count(), 1);
        QCOMPARE(model.rowCount(), 6);
        QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("23"));

        QSignalSpy spyInserted(&model, &CCalendarModel::rowsInserted);
        model.SetHorizontalHeaderFormat(struCalendarData::NarrowDayNames);
        QCOMPARE(spyInserted.count(), 1);
        QCOMPARE(model.DateForCell(1, 0), QDate(2015, 2, 23));
    }

    void cellFormats()
    {
        QWidget view;
        QPalette palette;
        palette.setColor(QPalette::AlternateBase, QColor(20, 20, 20));
        palette.setColor(QPalette::Window, QColor(30, 30, 30));
        palette.setColor(QPalette::Disabled, QPalette::Text, QColor(90, 90, 90));
        view.setPalette(palette);
        CCalendarModel model;
        model.SetView(&view);
        ShowMonth(model, 2015, 3, Qt::Sunday);
        model.SetRange(QDate(2015, 3, 5), QDate(2015, 3, 20));

        QTextCharFormat formatSunday;
        formatSunday.setForeground(QColor(Qt::red));
        model.SetDayFormat(Qt::Sunday, formatSunday);
        QTextCharFormat formatDate;
        formatDate.setBackground(QColor(0, 0, 200));
        formatDate.setFontWeight(QFont::Bold);
        model.SetDateFormat(QDate(2015, 3, 10), formatDate);

        const auto background = [&model](int iRow, int iColumn) {
            return model.index(iRow, iColumn).data(Qt::BackgroundRole).value<QColor>();
        };
        const auto foreground = [&model](int iRow, int iColumn) {
            return model.index(iRow, iColumn).data(Qt::ForegroundRole).value<QColor>();
        };
        QCOMPARE(background(0, 1), QColor(20, 20, 20));       // header
        QCOMPARE(foreground(0, 0), QColor(Qt::red));          // header of Sunday
        QCOMPARE(foreground(3, 0), QColor(Qt::red));          // a Sunday
        QCOMPARE(background(2, 1), QColor(30, 30, 30));       // 2 March, before the minimum
        QCOMPARE(background(3, 2), QColor(0, 0, 200));        // 10 March, its own format
        QCOMPARE(model.index(3, 2).data(Qt::FontRole).value<QFont>().bold(), true);
        QCOMPARE(foreground(1, 0), QColor(90, 90, 90));       // 22 February, even on a Sunday

        QCOMPARE(model.flags(model.index(2, 1)), Qt::NoItemFlags);
        QVERIFY(model.flags(model.index(3, 1)) & Qt::ItemIsEnabled);
    }

    void dateSetterClamps()
    {
        CCalendarModel model;
        QCOMPARE(model.GetMinimumDate(), QDate::fromJulianDay(1));
        QCOMPARE(model.GetMaximumDate(), QDate(7999, 12, 31));
        QSignalSpy spy(&model, &CCalendarModel::SignalDateChanged);

        model.SetDate(QDate(9999, 6, 1));
        QCOMPARE(model.GetDate(), QDate(7999, 12, 31));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0), QVariantList({QDate(7999, 12, 31), QDate(7999, 12, 31)}));

        // Past the bound that already is the date: reported again. The bound
        // itself and an invalid date change nothing.
        model.SetDate(QDate(8000, 1, 1));
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(1), QVariantList({QDate(7999, 12, 31), QDate(7999, 12, 31)}));
        model.SetDate(QDate(7999, 12, 31));
        model.SetDate(QDate());
        QCOMPARE(spy.count(), 2);
        // Past the bound again with a range: the range collapses to the day.
        model.SetSelectedRange(QDate(7999, 12, 20), QDate(7999, 12, 31));
        model.SetDate(QDate(8000, 1, 1));
        QCOMPARE(spy.count(), 4);
        QCOMPARE(model.GetSelectedBegin(), QDate(7999, 12, 31));

        // A reversed range is kept as given, and reported once.
        model.SetSelectedRange(QDate(2015, 3, 20), QDate(2015, 3, 3));
        model.SetSelectedRange(QDate(2015, 3, 20), QDate(2015, 3, 3));
        QCOMPARE(spy.count(), 5);
        QCOMPARE(spy.last(), QVariantList({QDate(2015, 3, 20), QDate(2015, 3, 3)}));
        QCOMPARE(model.GetSelectedEnd(), QDate(2015, 3, 3));
    }

    void boundSetters_data()
    {
        QTest::addColumn<QDate>("minimum");
        QTest::addColumn<QDate>("maximum");
        QTest::addColumn<bool>("asRange");
        QTest::addColumn<QDate>("expectedMinimum");
        QTest::addColumn<QDate>("expectedMaximum");
        QTest::addColumn<QDate>("expectedDate");

        // The selected date starts at 2015-03-10.
        QTest::newRow("minimum after the date") << QDate(2015, 4, 1) << QDate() << false
                                                << QDate(2015, 4, 1) << QDate(7999, 12, 31) << QDate(2015, 4, 1);
        QTest::newRow("minimum after the maximum raises it") << QDate(9000, 1, 1) << QDate() << false
                                                             << QDate(9000, 1, 1) << QDate(9000, 1, 1) << QDate(9000, 1, 1);
        QTest::newRow("maximum before the minimum lowers it") << QDate() << QDate(-4800, 1, 1) << false
                                                              << QDate(-4800, 1, 1) << QDate(-4800, 1, 1) << QDate(-4800, 1, 1);
        QTest::newRow("invalid bounds are ignored") << QDate() << QDate() << false
                                                    << QDate::fromJulianDay(1) << QDate(7999, 12, 31) << QDate(2015, 3, 10);
        QTest::newRow("reversed range is swapped") << QDate(9999, 12, 31) << QDate(2015, 3, 20) << true
                                                   << QDate(2015, 3, 20) << QDate(9999, 12, 31) << QDate(2015, 3, 20);
    }

    void boundSetters()
    {
        QFETCH(QDate, minimum);
        QFETCH(QDate, maximum);
        QFETCH(bool, asRange);

        CCalendarModel model;
        model.SetDate(QDate(2015, 3, 10));
        QSignalSpy spyDate(&model, &CCalendarModel::SignalDateChanged);
        QSignalSpy spyData(&model, &CCalendarModel::dataChanged);
        if (asRange) {
            model.SetRange(minimum, maximum);
        } else {
            model.SetMinimumDate(minimum);
            model.SetMaximumDate(maximum);
        }
        QTEST(model.GetMinimumDate(), "expectedMinimum");
        QTEST(model.GetMaximumDate(), "expectedMaximum");
        QTEST(model.GetDate(), "expectedDate");
        QCOMPARE(spyDate.count(), 0);
        QCOMPARE(spyData.isEmpty(), !minimum.isValid() && !maximum.isValid());
    }

    void wheelEnterAndClicks()
    {
        // The wheel asks for the current day a month per notch away; less than a notch, for its own month.
        for (int iDelta : {120, -240, 60})
            Wheel(m_pView, iDelta);
        QEvent event(QEvent::Enter);
        QApplication::sendEvent(m_pView, &event);
        Click(m_pView, QDate(2015, 3, 18));
        // A leading day of February within the bounds asks for itself too.
        Click(m_pView, QDate(2015, 2, 27));
        // The second press of a double click completes no second click.
        Click(m_pView, QDate(2015, 3, 12));
        const QPoint point = CellCenter(m_pView, QDate(2015, 3, 12));
        SendMouse(m_pView->viewport(), QEvent::MouseButtonDblClick, point);
        SendMouse(m_pView->viewport(), QEvent::MouseButtonRelease, point, Qt::LeftButton, Qt::NoButton);
        QCOMPARE(m_listLog, QStringList({"ShowDate 2015-02-10", "ShowDate 2015-05-10", "ShowDate 2015-03-10", "Enter",
                                         "ChangeDate 2015-03-18 single", "Clicked 2015-03-18",
                                         "ChangeDate 2015-02-27 single", "Clicked 2015-02-27",
                                         "ChangeDate 2015-03-12 single", "Clicked 2015-03-12"}));
        QCOMPARE(m_pView->currentIndex(), m_pModel->index(3, 4));
    }

    void dragSelectsARun_data()
    {
        QTest::addColumn<QList<QDate>>("path");
        QTest::addColumn<QDate>("firstSelected");
        QTest::addColumn<QDate>("lastSelected");
        QTest::addColumn<QStringList>("log");

        QTest::newRow("back from the 10th to the 3rd")
            << QList<QDate>({QDate(2015, 3, 10), QDate(2015, 3, 5), QDate(2015, 3, 3)}) << QDate(2015, 3, 3)
            << QDate(2015, 3, 10) << QStringList({"SelectDate 2015-03-03 2015-03-10", "Clicked 2015-03-03"});
        // Moves over April change nothing; the release keeps the 31st.
        QTest::newRow("on into the next month")
            << QList<QDate>({QDate(2015, 3, 25), QDate(2015, 3, 31), QDate(2015, 4, 2)}) << QDate(2015, 3, 25)
            << QDate(2015, 3, 31) << QStringList({"SelectDate 2015-03-25 2015-03-31", "Clicked 2015-03-31"});
        // A drag back ends on its later cell, the press: leaving the month
        // from there keeps the run and reports the press day alone.
        QTest::newRow("back into the previous month")
            << QList<QDate>({QDate(2015, 3, 20), QDate(2015, 3, 5), QDate(2015, 2, 27)}) << QDate(2015, 3, 5)
            << QDate(2015, 3, 20) << QStringList({"ChangeDate 2015-03-20 multi", "Clicked 2015-03-20"});
        QTest::newRow("back out of the bounds")
            << QList<QDate>({QDate(2015, 3, 2), QDate(2015, 3, 1), QDate(2015, 2, 24)}) << QDate(2015, 3, 1)
            << QDate(2015, 3, 2) << QStringList();
    }

    void dragSelectsARun()
    {
        QFETCH(QList<QDate>, path);
        QFETCH(QDate, firstSelected);
        QFETCH(QDate, lastSelected);

        Drag(m_pView, path);
        QList<QDate> listExpected;
        for (QDate date = firstSelected; date <= lastSelected; date = date.addDays(1))
            listExpected << date;
        QCOMPARE(SelectedDates(m_pView), listExpected);
        QTEST(m_listLog, "log");
    }

    void keysMoveTheDay_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("rightToLeft");
        QTest::addColumn<QStringList>("log");
        // From Tuesday 10 March 2015.
        QTest::newRow("up") << int(Qt::Key_Up) << false << QStringList({"ChangeDate 2015-03-03 multi"});
        QTest::newRow("left, right to left") << int(Qt::Key_Left) << true << QStringList({"ChangeDate 2015-03-11 multi"});
        QTest::newRow("home") << int(Qt::Key_Home) << false << QStringList({"ChangeDate 2015-03-01 multi"});
        QTest::newRow("page down") << int(Qt::Key_PageDown) << false << QStringList({"ChangeDate 2015-04-10 multi"});
        QTest::newRow("typing searches nothing") << int(Qt::Key_1) << false << QStringList();
    }

    void keysMoveTheDay()
    {
        QFETCH(int, key);
        QFETCH(bool, rightToLeft);
        if (rightToLeft)
            m_pView->setLayoutDirection(Qt::RightToLeft);
        QTest::keyClick(m_pView, static_cast<Qt::Key>(key));
        QTEST(m_listLog, "log");
        // Nobody reacted, so nothing moved.
        QCOMPARE(m_pView->currentIndex(), m_pModel->index(3, 2));
    }

private:
    CCalendarModel* m_pModel = nullptr;
    CCalendarView* m_pView = nullptr;
    QStringList m_listLog;
};

QTEST_MAIN(TestCalendarGrid)
#include "tst_calendargrid.moc"
