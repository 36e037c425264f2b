#include "CalendarTestSupport.h"

#include "calendar/CalendarModel.h"
#include "calendar/CalendarView.h"

#include <QtTest/QtTest>
#include <QtWidgets/QHeaderView>

using namespace CalendarTest;
using OrvaGUIToolkit::CCalendarModel;
using OrvaGUIToolkit::CCalendarView;

// The grid on its own: what it asks for, with nobody reacting (the current
// cell and the selection stay where the view leaves them).
class TestCalendarView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void wheelEnterAndClicks();
    void dragSelectsARun_data();
    void dragSelectsARun();
    void keysMoveTheDay_data();
    void keysMoveTheDay();

private:
    CCalendarModel* m_pModel = nullptr;
    CCalendarView* m_pView = nullptr;
    QStringList m_listLog;
};

void TestCalendarView::init()
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

void TestCalendarView::cleanup()
{
    delete m_pView;
    delete m_pModel;
}

void TestCalendarView::wheelEnterAndClicks()
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

void TestCalendarView::dragSelectsARun_data()
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
    QTest::newRow("back out of the bounds")
        << QList<QDate>({QDate(2015, 3, 2), QDate(2015, 3, 1), QDate(2015, 2, 24)}) << QDate(2015, 3, 1)
        << QDate(2015, 3, 2) << QStringList();
}

void TestCalendarView::dragSelectsARun()
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

void TestCalendarView::keysMoveTheDay_data()
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

void TestCalendarView::keysMoveTheDay()
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

QTEST_MAIN(TestCalendarView)
#include "tst_calendarview.moc"
