#include <OrvaGUIToolkit/OrvaGUIToolkit.h>

#include "PickerTestSupport.h"

#include <QtTest/QtTest>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QToolButton>

#include <functional>

using namespace OrvaGUIToolkit;

namespace {

const QString s_strEqual = QStringLiteral("The start time should not be equal with the end time.");
const QString s_strEarlier = QStringLiteral("The start time should be earlier than the end time.");

using PickerTest::Emissions;
using PickerTest::Emitted;
using PickerTest::MouseClick;
using PickerTest::Part;
using Case = std::function<void(QWidget*)>;

void Confirm(CBeginEndCalendarWidget& panel)
{
    Part<QPushButton>(&panel, "m_pConfirmBtn")->click();
}

// Builds a control in the parent, connects a slot deleting it to its signal,
// and makes it emit that signal from its own handler.
template <typename Control, typename Signal>
Case Deletes(Signal signal, std::function<void(Control*)> fnPrepare, std::function<void(Control*)> fnTrigger)
{
    return [=](QWidget* pParent) {
        auto* pControl = new Control(pParent);
        pControl->show();
        if (fnPrepare)
            fnPrepare(pControl);
        QObject::connect(pControl, signal, pControl, [pControl] { delete pControl; });
        fnTrigger(pControl);
    };
}

template <typename Edit>
void ConfirmPopupOf(Edit* pEdit)
{
    MouseClick(Part<QPushButton>(pEdit->template findChild<CBeginEndCalendarTimePopup*>(), "m_pConfirmBtn"));
}

void Release(CCalendarMonthWidget& picker, const QPoint& point, Qt::MouseButton enumButton)
{
    QMouseEvent event(QEvent::MouseButtonRelease, QPointF(point), QPointF(picker.viewport()->mapToGlobal(point)),
                      enumButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(picker.viewport(), &event);
}

} // namespace

Q_DECLARE_METATYPE(Case)

class TestRangePickers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void monthGrid();
    void releaseChoosesTheMonth_data();
    void releaseChoosesTheMonth();
    void form();
    void flagsShowTheirParts_data();
    void flagsShowTheirParts();
    void confirm_data();
    void confirm();
    void monthNavigation();
    void timeGridsOfTheTwoSides();
    void rangeEditTexts();
    void rangeEditPopupTogglesAndConfirms();
    void rangeEditMonthMode();
    void rangeDateTimeEdit();
    void boundsOutOfOrder();
    void hostileCalls();
    void deletingSlot_data();
    void deletingSlot();
};

void TestRangePickers::cleanup()
{
    PickerTest::CloseNotices();
}

void TestRangePickers::monthGrid()
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

void TestRangePickers::releaseChoosesTheMonth_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QDate>("expected");
    QTest::newRow("1") << 0 << 0 << QDate(2016, 1, 1);
    QTest::newRow("12") << 1 << 5 << QDate(2016, 12, 1);
}

void TestRangePickers::releaseChoosesTheMonth()
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

void TestRangePickers::form()
{
    CBeginEndCalendarWidget panel;
    QCOMPARE(panel.GetCalendarFlag(), CBeginEndCalendarWidget::CalendarFlags(CBeginEndCalendarWidget::DayFlag));
    QCOMPARE(panel.width(), 2 * 191 + 30);
    for (const char* szName : {"m_pBeginHeader", "m_pEndHeader", "m_pNavBarFrame", "m_pNavBarFrame_2", "m_pEndTimeLabel"})
        QVERIFY2(Part<QWidget>(&panel, szName), szName);
    QCOMPARE(Part<CCalendarMonthWidget>(&panel, "m_pEndMonthTableWidget")->size(), QSize(191, 60));
    QVERIFY(!Part<CCalendarWidget>(&panel, "m_pBeginCalendarWidget")->IsHeaderVisible());
    QCOMPARE(Part<QLabel>(&panel, "m_pBeginTimeLabel")->text(), QStringLiteral("Time:"));
    QCOMPARE(Part<QPushButton>(&panel, "m_pConfirmBtn")->text(), QStringLiteral("Confirm"));
    QCOMPARE(Part<QLabel>(&panel, "m_pLabelToday")->text(),
             QStringLiteral("Today: ") + QDate::currentDate().toString(QStringLiteral("yyyy.MM.dd")));
    CBeginEndCalendarWidget panelWithTime(nullptr, true);
    QCOMPARE(panelWithTime.GetCalendarFlag(), CBeginEndCalendarWidget::DayFlag | CBeginEndCalendarWidget::TimeFlag);
}

void TestRangePickers::flagsShowTheirParts_data()
{
    QTest::addColumn<int>("iFlags");
    QTest::addColumn<bool>("bTime");
    QTest::addColumn<bool>("bDay");
    QTest::addColumn<bool>("bMonth");
    QTest::newRow("time") << 1 << true << false << false;
    QTest::newRow("day") << 2 << false << true << false;
    QTest::newRow("month") << 4 << false << false << true;
    QTest::newRow("none") << 0 << false << false << false;
    QTest::newRow("every bit") << -1 << true << true << true;
    QTest::newRow("day and unknown bits") << (2 | 0x100) << false << true << false;
}

void TestRangePickers::flagsShowTheirParts()
{
    QFETCH(int, iFlags);
    CBeginEndCalendarWidget panel;
    panel.SetCalendarFlag(CBeginEndCalendarWidget::CalendarFlags(iFlags));
    for (const char* szSide : {"Begin", "End"}) {
        const auto shown = [&panel, szSide](const char* szPart) {
            const QString strName = QStringLiteral("m_p%1%2").arg(QLatin1String(szSide), QLatin1String(szPart));
            return panel.findChild<QWidget*>(strName)->isVisibleTo(&panel);
        };
        QTEST(shown("TimeBgFrame"), "bTime");
        QTEST(shown("CalendarWidget"), "bDay");
        QTEST(shown("MonthTableWidget"), "bMonth");
    }
    // Switching the times off and on again connects the time field once.
    panel.SetCalendarFlag(CBeginEndCalendarWidget::DayFlag);
    panel.SetCalendarFlag(CBeginEndCalendarWidget::DayFlag | CBeginEndCalendarWidget::TimeFlag);
    panel.show();
    auto* pEdit = Part<CTimeEdit>(&panel, "m_pBeginTimeEdit");
    pEdit->setCurrentSection(QDateTimeEdit::HourSection);
    Q_EMIT pEdit->SignalClicked();
    QCOMPARE(panel.findChildren<CHourTimeEditPopup*>().size(), 1);
}

void TestRangePickers::confirm_data()
{
    QTest::addColumn<int>("iFlags");
    QTest::addColumn<QDateTime>("dtBegin");
    QTest::addColumn<QDateTime>("dtEnd");
    QTest::addColumn<QString>("strNotice");
    QTest::addColumn<Emissions>("listReported");
    const auto at = [](int iDay, int iSecond = 0) { return QDateTime(QDate(2017, 4, iDay), QTime(8, 0, iSecond)); };
    const auto day = [](int iYear, int iMonth, int iDay) { return QDateTime(QDate(iYear, iMonth, iDay), QTime(0, 0)); };
    const int iTimes = CBeginEndCalendarWidget::DayFlag | CBeginEndCalendarWidget::TimeFlag;
    // With times, even the range last set is reported.
    QTest::newRow("times equal") << iTimes << at(11) << at(11) << s_strEqual << Emissions();
    QTest::newRow("times reversed") << iTimes << at(11, 1) << at(11) << s_strEarlier << Emissions();
    QTest::newRow("times one second apart") << iTimes << at(11) << at(11, 1) << QString() << Emissions{{at(11), at(11, 1)}};
    // Days: the panel was last set to 1-11 April.
    QTest::newRow("days as last set") << 2 << day(2017, 4, 1) << day(2017, 4, 11) << QString() << Emissions();
    QTest::newRow("one day") << 2 << day(2017, 4, 5) << day(2017, 4, 5) << QString()
                             << Emissions{{QDate(2017, 4, 5), QDate(2017, 4, 5)}};
    QTest::newRow("days reversed") << 2 << day(2017, 4, 12) << day(2017, 4, 11) << s_strEarlier << Emissions();
    // Months: from the first day of the first to the last day of the last.
    QTest::newRow("months reversed") << 4 << day(2017, 3, 15) << day(2017, 2, 10) << s_strEarlier << Emissions();
    QTest::newRow("leap February") << 4 << day(2016, 1, 31) << day(2016, 2, 1) << QString()
                                   << Emissions{{QDate(2016, 1, 1), QDate(2016, 2, 29)}};
    QTest::newRow("months across years") << 4 << day(2016, 11, 3) << day(2017, 1, 3) << QString()
                                         << Emissions{{QDate(2016, 11, 1), QDate(2017, 1, 31)}};
}

void TestRangePickers::confirm()
{
    QFETCH(int, iFlags);
    QFETCH(QDateTime, dtBegin);
    QFETCH(QDateTime, dtEnd);
    CBeginEndCalendarWidget panel;
    panel.SetCalendarFlag(CBeginEndCalendarWidget::CalendarFlags(iFlags));
    panel.SetDate(QDate(2017, 4, 1), QDate(2017, 4, 11));
    QSignalSpy spyDateTime(&panel, &CBeginEndCalendarWidget::SignalDateTimeChanged);
    QSignalSpy spyDate(&panel, &CBeginEndCalendarWidget::SignalDateChanged);
    QSignalSpy spyConfirm(&panel, &CBeginEndCalendarWidget::SignalClickedConfirmBtn);
    if (iFlags & CBeginEndCalendarWidget::TimeFlag) {
        panel.SetDateTime(dtBegin, dtEnd);
    } else if (iFlags & CBeginEndCalendarWidget::DayFlag) {
        Part<CCalendarWidget>(&panel, "m_pBeginCalendarWidget")->SetSelectedDate(dtBegin.date());
        Part<CCalendarWidget>(&panel, "m_pEndCalendarWidget")->SetSelectedDate(dtEnd.date());
    } else {
        Part<CCalendarMonthWidget>(&panel, "m_pBeginMonthTableWidget")->SetSelectedDate(dtBegin.date());
        Part<CCalendarMonthWidget>(&panel, "m_pEndMonthTableWidget")->SetSelectedDate(dtEnd.date());
    }
    Confirm(panel);
    QTEST(PickerTest::ShownNotice(), "strNotice");
    QTEST(Emitted(iFlags & CBeginEndCalendarWidget::TimeFlag ? spyDateTime : spyDate), "listReported");
    QCOMPARE(spyConfirm.size(), 1);
}

void TestRangePickers::monthNavigation()
{
    CBeginEndCalendarWidget panel;
    panel.SetCalendarFlag(CBeginEndCalendarWidget::DayFlag | CBeginEndCalendarWidget::MonthFlag);
    panel.SetDate(QDate(2017, 3, 31), QDate(2017, 4, 11));
    auto* pBeginLabel = Part<QLabel>(&panel, "m_pMonthLabelBegin");
    auto* pEndLabel = Part<QLabel>(&panel, "m_pMonthLabelEnd");
    QCOMPARE(pEndLabel->text(), QStringLiteral("2017.04"));

    Part<QToolButton>(&panel, "m_pPrevMonthBegin")->click();
    QCOMPARE(Part<CCalendarWidget>(&panel, "m_pBeginCalendarWidget")->GetSelectedDate(), QDate(2017, 2, 28));
    QCOMPARE(pBeginLabel->text(), QStringLiteral("2017.02"));
    QCOMPARE(Part<CCalendarMonthWidget>(&panel, "m_pBeginMonthTableWidget")->GetSelectedDate().month(), 2);

    Part<QToolButton>(&panel, "m_pNextMonthEnd")->click();
    QCOMPARE(pEndLabel->text(), QStringLiteral("2017.05"));

    // A day picked in a calendar shows its month on its side.
    Part<CCalendarWidget>(&panel, "m_pEndCalendarWidget")->SetSelectedDate(QDate(2018, 1, 2));
    QCOMPARE(pEndLabel->text(), QStringLiteral("2018.01"));
}

void TestRangePickers::timeGridsOfTheTwoSides()
{
    CBeginEndCalendarWidget panel(nullptr, true);
    panel.SetDateTime(QDateTime(QDate(2017, 4, 11), QTime(8, 15, 0)), QDateTime(QDate(2017, 4, 12), QTime(18, 45, 30)));
    panel.show();
    auto* pBeginEdit = Part<CTimeEdit>(&panel, "m_pBeginTimeEdit");
    auto* pEndEdit = Part<CTimeEdit>(&panel, "m_pEndTimeEdit");
    pBeginEdit->setCurrentSection(QDateTimeEdit::HourSection);
    Q_EMIT pBeginEdit->SignalClicked();
    pEndEdit->setCurrentSection(QDateTimeEdit::MinuteSection);
    Q_EMIT pEndEdit->SignalClicked();
    // Opening the end side's grid closed the begin side's.
    const QList<CHourTimeEditPopup*> listHours = panel.findChildren<CHourTimeEditPopup*>();
    const QList<CMinuteTimeEditPopup*> listMinutes = panel.findChildren<CMinuteTimeEditPopup*>();
    QCOMPARE(listHours.size(), 1);
    QCOMPARE(listMinutes.size(), 1);
    QVERIFY(!listHours.first()->isVisible());
    QVERIFY(listMinutes.first()->isVisible());
    PickerTest::PressCell(listMinutes.first()->findChild<QTableWidget*>(), QStringLiteral("5"));
    QCOMPARE(pEndEdit->time(), QTime(18, 5, 30));
    QCOMPARE(pBeginEdit->time(), QTime(8, 15, 0));

    // A press on the panel itself closes the grids.
    PickerTest::SendMouse(&panel, QEvent::MouseButtonPress, QPoint(2, 2));
    QVERIFY(!listMinutes.first()->isVisible());
}

void TestRangePickers::rangeEditTexts()
{
    CRangeDateEdit edit;
    QVERIFY(edit.isReadOnly());
    const QString strToday = QDate::currentDate().toString(QStringLiteral("yyyy.MM.dd"));
    QCOMPARE(edit.text(), strToday + QLatin1Char('-') + strToday);

    QSignalSpy spy(&edit, &CRangeDateEdit::SignalDateChanged);
    edit.SetDateRange(QDate(2017, 4, 1), QDate(2017, 4, 11));
    QCOMPARE(edit.text(), QStringLiteral("2017.04.01-2017.04.11"));
    QCOMPARE(spy.size(), 1);
    edit.SetDateRange(QDate(2017, 4, 1), QDate(2017, 4, 11));
    QCOMPARE(spy.size(), 1);

    edit.SetCustom(QStringLiteral("Last 7 days"));
    // The custom text stays over a new range.
    edit.SetDateRange(QDate(2017, 4, 2), QDate(2017, 4, 8));
    QCOMPARE(edit.text(), QStringLiteral("Last 7 days"));
    edit.SetCustom(QString());
    QCOMPARE(edit.text(), QStringLiteral("2017.04.02-2017.04.08"));
}

void TestRangePickers::rangeEditPopupTogglesAndConfirms()
{
    CRangeDateEdit edit;
    edit.SetDateRange(QDate(2017, 4, 1), QDate(2017, 4, 11));
    edit.show();
    QVERIFY(!edit.findChild<CBeginEndCalendarTimePopup*>());
    edit.Button(CFancyLineEdit::Right)->click();
    auto* pPopup = edit.findChild<CBeginEndCalendarTimePopup*>();
    QVERIFY(pPopup && pPopup->isVisible());
    QCOMPARE(Part<CCalendarWidget>(pPopup, "m_pEndCalendarWidget")->GetSelectedDate(), QDate(2017, 4, 11));
    edit.Button(CFancyLineEdit::Right)->click();
    QVERIFY(!pPopup->isVisible());
    edit.OnShowCalendar();
    QVERIFY(pPopup->isVisible());
    QCOMPARE(edit.findChildren<CBeginEndCalendarTimePopup*>().size(), 1);

    // A press outside closes it.
    PickerTest::SendMouse(pPopup, QEvent::MouseButtonPress, QPoint(-5, -5));
    QVERIFY(!pPopup->isVisible());

    edit.OnShowCalendar();
    QSignalSpy spyChanged(&edit, &CRangeDateEdit::SignalDateChanged);
    QSignalSpy spyFinished(&edit, &CRangeDateEdit::SignalDateSelFinished);

    // A refused range changes nothing; the pop-up still closes.
    Part<CCalendarWidget>(pPopup, "m_pBeginCalendarWidget")->SetSelectedDate(QDate(2017, 4, 20));
    Confirm(*pPopup);
    QCOMPARE(PickerTest::ShownNotice(), s_strEarlier);
    QCOMPARE(spyChanged.size(), 0);
    QVERIFY(!pPopup->isVisible());

    // Reopening shows the field's range again, not the refused one.
    edit.OnShowCalendar();
    QCOMPARE(Part<CCalendarWidget>(pPopup, "m_pBeginCalendarWidget")->GetSelectedDate(), QDate(2017, 4, 1));
    Part<CCalendarWidget>(pPopup, "m_pBeginCalendarWidget")->SetSelectedDate(QDate(2017, 4, 3));
    Confirm(*pPopup);
    QCOMPARE(spyChanged.size(), 1);
    QCOMPARE(spyFinished.size(), 2);
    QCOMPARE(edit.text(), QStringLiteral("2017.04.03-2017.04.11"));
}

void TestRangePickers::rangeEditMonthMode()
{
    CRangeDateEdit edit;
    edit.SetCalendarFlag(CBeginEndCalendarWidget::MonthFlag);
    edit.SetDateRange(QDate(2017, 1, 1), QDate(2017, 1, 31));
    edit.show();
    edit.OnShowCalendar();
    auto* pPopup = edit.findChild<CBeginEndCalendarTimePopup*>();
    Part<CCalendarMonthWidget>(pPopup, "m_pEndMonthTableWidget")->SetSelectedDate(QDate(2017, 2, 1));
    Confirm(*pPopup);
    QCOMPARE(edit.text(), QStringLiteral("2017.01.01-2017.02.28"));
}

void TestRangePickers::rangeDateTimeEdit()
{
    QWidget window;
    window.setGeometry(0, 0, 800, 600);
    auto* pEdit = new CRangeDateTimeEdit(&window);
    pEdit->setGeometry(QRect(QPoint(780, 590), QSize(200, 24)));
    QSignalSpy spy(pEdit, &CRangeDateTimeEdit::SignalDateTimeChanged);
    pEdit->SetDateTimeRange(QDateTime(QDate(2017, 4, 11), QTime(8, 0, 0)), QDateTime(QDate(2017, 4, 11), QTime(17, 30, 5)));
    QCOMPARE(pEdit->text(), QStringLiteral("2017.04.11 08:00:00-2017.04.11 17:30:05"));
    window.show();
    // The first opening creates the window, whose position the offscreen
    // platform shifts by its guess of a frame; the next is placed exactly.
    for (int i = 0; i < 3; ++i)
        pEdit->OnShowCalendar();
    auto* pPopup = pEdit->findChild<CBeginEndCalendarTimePopup*>();
    QVERIFY(pPopup->isVisible());
    // Kept on the screen beside the bottom-right corner.
    QVERIFY(QRect(0, 0, 800, 600).contains(pPopup->frameGeometry()));
    QCOMPARE(Part<CTimeEdit>(pPopup, "m_pEndTimeEdit")->time(), QTime(17, 30, 5));
    Part<CTimeEdit>(pPopup, "m_pEndTimeEdit")->setTime(QTime(9, 0, 0));
    Confirm(*pPopup);
    QCOMPARE(spy.size(), 2);
    QCOMPARE(pEdit->text(), QStringLiteral("2017.04.11 08:00:00-2017.04.11 09:00:00"));
}

void TestRangePickers::boundsOutOfOrder()
{
    // The calendars keep their days inside the bounds, so confirming reports
    // the clamped range.
    CBeginEndCalendarWidget panel;
    panel.SetDateRange(QDate(2017, 1, 1), QDate(2017, 12, 31));
    panel.SetDate(QDate(2010, 5, 5), QDate(2030, 5, 5));
    QSignalSpy spy(&panel, &CBeginEndCalendarWidget::SignalDateChanged);
    Confirm(panel);
    QCOMPARE(Emitted(spy), (Emissions{{QDate(2017, 1, 1), QDate(2017, 12, 31)}}));

    // Reversed bounds are swapped.
    panel.SetDateRange(QDate(2017, 12, 31), QDate(2017, 1, 1));
    panel.SetDate(QDate(2017, 6, 1), QDate(2017, 6, 2));
    auto* pCalendar = Part<CCalendarWidget>(&panel, "m_pBeginCalendarWidget");
    QCOMPARE(pCalendar->GetMinimumDate(), QDate(2017, 1, 1));
    QCOMPARE(pCalendar->GetSelectedDate(), QDate(2017, 6, 1));
}

void TestRangePickers::hostileCalls()
{
    // Invalid dates everywhere; the panel's slots called directly, with no sender.
    CBeginEndCalendarWidget panel(nullptr, true);
    panel.SetDate(QDate(), QDate());
    panel.SetDateTime(QDateTime(), QDateTime());
    panel.SetDateTimeRange(QDateTime(), QDateTime());
    QSignalSpy spyConfirm(&panel, &CBeginEndCalendarWidget::SignalClickedConfirmBtn);
    Confirm(panel);
    PickerTest::CloseNotices();
    QCOMPARE(spyConfirm.size(), 1);
    CRangeDateTimeEdit rangeTimeEdit;
    rangeTimeEdit.SetDateTimeRange(QDateTime(), QDateTime());
    rangeTimeEdit.show();
    rangeTimeEdit.OnShowCalendar();
    QVERIFY(rangeTimeEdit.findChild<CBeginEndCalendarTimePopup*>()->isVisible());
    CCalendarTimePopup popup;
    popup.SetDate(QDate());
    popup.SetDateRange(QDate(), QDate());
    QVERIFY(popup.GetSelectedDate().isValid());
    panel.OnClickedTimeEdit();
    panel.OnPrevMonthClicked();
    panel.OnNextMonthClicked();
    QVERIFY(panel.findChildren<CHourTimeEditPopup*>().isEmpty());

    const QString strHuge(1 << 20, QLatin1Char('x'));
    CRangeDateEdit edit;
    edit.SetCustom(strHuge);
    // The line edit keeps what its maximum length allows.
    QCOMPARE(edit.text(), strHuge.left(edit.maxLength()));
    edit.SetCustom(QString());
    QVERIFY(edit.text().size() < 30);
}

void TestRangePickers::deletingSlot_data()
{
    QTest::addColumn<Case>("run");
    const auto openRange = [](auto* p) { p->OnShowCalendar(); };
    QTest::newRow("grid pressed") << Deletes<CMinuteTimeEditPopup>(&CMinuteTimeEditPopup::SignalTimeChanged, {}, [](auto* p) {
        PickerTest::PressCell(p->template findChild<QTableWidget*>(), QStringLiteral("40"));
    });
    QTest::newRow("time field clicked") << Deletes<CTimeEdit>(&CTimeEdit::SignalClicked, {}, [](CTimeEdit* p) {
        PickerTest::SendMouse(p->findChild<QLineEdit*>(), QEvent::MouseButtonPress, QPoint(2, 2));
        PickerTest::SendMouse(p->findChild<QLineEdit*>(), QEvent::MouseButtonRelease, QPoint(2, 2));
    });
    const auto confirmPanel = [](CBeginEndCalendarWidget* p) { MouseClick(Part<QPushButton>(p, "m_pConfirmBtn")); };
    const auto withTimes = [](CBeginEndCalendarWidget* p) {
        p->SetCalendarFlag(CBeginEndCalendarWidget::DayFlag | CBeginEndCalendarWidget::TimeFlag);
        p->SetDateTime(QDateTime(QDate(2017, 4, 11), QTime(8, 0)), QDateTime(QDate(2017, 4, 12), QTime(8, 0)));
    };
    QTest::newRow("range panel date changed")
        << Deletes<CBeginEndCalendarWidget>(&CBeginEndCalendarWidget::SignalDateChanged, {}, confirmPanel);
    QTest::newRow("range panel date-time changed")
        << Deletes<CBeginEndCalendarWidget>(&CBeginEndCalendarWidget::SignalDateTimeChanged, withTimes, confirmPanel);
    QTest::newRow("range panel confirm clicked")
        << Deletes<CBeginEndCalendarWidget>(&CBeginEndCalendarWidget::SignalClickedConfirmBtn, {}, confirmPanel);
    QTest::newRow("range field changed") << Deletes<CRangeDateEdit>(&CRangeDateEdit::SignalDateChanged, [](auto* p) {
        p->OnShowCalendar();
        Part<CCalendarWidget>(p, "m_pEndCalendarWidget")->SetSelectedDate(QDate::currentDate().addDays(1));
    }, ConfirmPopupOf<CRangeDateEdit>);
    QTest::newRow("range field finished")
        << Deletes<CRangeDateEdit>(&CRangeDateEdit::SignalDateSelFinished, openRange, ConfirmPopupOf<CRangeDateEdit>);
    QTest::newRow("date-time range field changed") << Deletes<CRangeDateTimeEdit>(&CRangeDateTimeEdit::SignalDateTimeChanged, [](auto* p) {
        p->SetDateTimeRange(QDateTime(QDate(2017, 4, 11), QTime(8, 0)), QDateTime(QDate(2017, 4, 11), QTime(9, 0)));
        p->OnShowCalendar();
        Part<CTimeEdit>(p, "m_pEndTimeEdit")->setTime(QTime(10, 0));
    }, ConfirmPopupOf<CRangeDateTimeEdit>);
    QTest::newRow("date-time range field finished") << Deletes<CRangeDateTimeEdit>(
        &CRangeDateTimeEdit::SignalDateSelFinished, openRange, ConfirmPopupOf<CRangeDateTimeEdit>);
    QTest::newRow("calendar pop-up activated") << Deletes<CCalendarTimePopup>(
        &CCalendarTimePopup::activated, {}, [](auto* p) { p->dateSelected(QDate(2017, 4, 11)); });
    QTest::newRow("calendar pop-up browsed") << Deletes<CCalendarTimePopup>(&CCalendarTimePopup::newDateSelected, {}, [](auto* p) {
        p->GetCalendarWidget()->SetSelectedDate(QDate(2017, 4, 12));
    });
    QTest::newRow("calendar pop-up released") << Deletes<CCalendarTimePopup>(&CCalendarTimePopup::resetButton, {}, [](auto* p) {
        PickerTest::SendMouse(p, QEvent::MouseButtonRelease, QPoint(3, 3));
    });
    // Hiding is reported from the hide event, where only a later deletion is safe.
    QTest::newRow("calendar pop-up hiding") << Case([](QWidget* pParent) {
        auto* pPopup = new CCalendarTimePopup(pParent);
        pPopup->show();
        QObject::connect(pPopup, &CCalendarTimePopup::hidingCalendar, pPopup, [pPopup] { pPopup->deleteLater(); });
        QTest::keyClick(pPopup, Qt::Key_Escape);
    });
}

void TestRangePickers::deletingSlot()
{
    QFETCH(Case, run);
    QWidget parent;
    parent.show();
    run(&parent);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(parent.findChildren<QWidget*>().size() <= 1);
}

QTEST_MAIN(TestRangePickers)
#include "tst_rangepickers.moc"
