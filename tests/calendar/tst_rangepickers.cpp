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
        fnPrepare(pControl);
        QObject::connect(pControl, signal, pControl, [pControl] { pControl->deleteLater(); });
        fnTrigger(pControl);
    };
}

template <typename Edit>
void ConfirmPopupOf(Edit* pEdit)
{
    MouseClick(Part<QPushButton>(pEdit->template findChild<CBeginEndCalendarTimePopup*>(), "m_pConfirmBtn"));
}

// A range panel whose confirm button makes it emit signal.
template <typename Signal>
Case PanelConfirmDeletes(Signal signal, bool bTime = false)
{
    return [signal, bTime](QWidget* pParent) {
        auto* pPanel = new CBeginEndCalendarWidget(pParent, bTime);
        pPanel->show();
        if (bTime)
            pPanel->SetDateTime(QDateTime(QDate(2017, 4, 11), QTime(8, 0)), QDateTime(QDate(2017, 4, 12), QTime(8, 0)));
        QObject::connect(pPanel, signal, pPanel, [pPanel] { delete pPanel; });
        MouseClick(Part<QPushButton>(pPanel, "m_pConfirmBtn"));
    };
}

} // namespace

Q_DECLARE_METATYPE(Case)

class TestRangePickers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void form();
    void flagsShowTheirParts_data();
    void flagsShowTheirParts();
    void confirmWithTimes_data();
    void confirmWithTimes();
    void confirmDays_data();
    void confirmDays();
    void confirmMonths_data();
    void confirmMonths();
    void monthNavigation();
    void timeGridsOfTheTwoSides();
    void rangeEditTexts();
    void rangeEditPopupToggles();
    void rangeEditConfirmedRange();
    void rangeEditMonthMode();
    void rangeEditPopupStaysOnScreen_data();
    void rangeEditPopupStaysOnScreen();
    void rangeDateTimeEdit();
    void invalidDates_data();
    void invalidDates();
    void boundsOutOfOrder();
    void oddFlags_data();
    void oddFlags();
    void slotsWithoutSenderAndHugeTexts();
    void deletingSlot_data();
    void deletingSlot();
};

void TestRangePickers::cleanup()
{
    PickerTest::CloseNotices();
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

void TestRangePickers::confirmWithTimes_data()
{
    QTest::addColumn<QDateTime>("dtBegin");
    QTest::addColumn<QDateTime>("dtEnd");
    QTest::addColumn<QString>("strNotice");
    const QDate date(2017, 4, 11);
    QTest::newRow("equal") << QDateTime(date, QTime(8, 0)) << QDateTime(date, QTime(8, 0)) << s_strEqual;
    QTest::newRow("begin later") << QDateTime(date, QTime(8, 0, 1)) << QDateTime(date, QTime(8, 0)) << s_strEarlier;
    QTest::newRow("one second") << QDateTime(date, QTime(8, 0)) << QDateTime(date, QTime(8, 0, 1)) << QString();
}

void TestRangePickers::confirmWithTimes()
{
    QFETCH(QDateTime, dtBegin);
    QFETCH(QDateTime, dtEnd);
    QFETCH(QString, strNotice);
    CBeginEndCalendarWidget panel(nullptr, true);
    QSignalSpy spyDateTime(&panel, &CBeginEndCalendarWidget::SignalDateTimeChanged);
    QSignalSpy spyDate(&panel, &CBeginEndCalendarWidget::SignalDateChanged);
    QSignalSpy spyConfirm(&panel, &CBeginEndCalendarWidget::SignalClickedConfirmBtn);
    panel.SetDateTime(dtBegin, dtEnd);
    Confirm(panel);
    QCOMPARE(PickerTest::ShownNotice(), strNotice);
    QCOMPARE(spyDateTime.size(), strNotice.isEmpty() ? 1 : 0);
    if (strNotice.isEmpty()) {
        // With times, even the range last set is reported.
        QCOMPARE(spyDateTime.at(0).at(0).toDateTime(), dtBegin);
        QCOMPARE(spyDateTime.at(0).at(1).toDateTime(), dtEnd);
    }
    QCOMPARE(spyDate.size(), 0);
    QCOMPARE(spyConfirm.size(), 1);
}

void TestRangePickers::confirmDays_data()
{
    QTest::addColumn<QDate>("dtBegin");
    QTest::addColumn<QDate>("dtEnd");
    QTest::addColumn<QString>("strNotice");
    QTest::addColumn<bool>("bReported");
    QTest::newRow("as last set") << QDate(2017, 4, 1) << QDate(2017, 4, 11) << QString() << false;
    QTest::newRow("one day") << QDate(2017, 4, 5) << QDate(2017, 4, 5) << QString() << true;
    QTest::newRow("begin later") << QDate(2017, 4, 12) << QDate(2017, 4, 11) << s_strEarlier << false;
}

void TestRangePickers::confirmDays()
{
    QFETCH(QDate, dtBegin);
    QFETCH(QDate, dtEnd);
    QFETCH(bool, bReported);
    CBeginEndCalendarWidget panel;
    panel.SetDate(QDate(2017, 4, 1), QDate(2017, 4, 11));
    QSignalSpy spyDate(&panel, &CBeginEndCalendarWidget::SignalDateChanged);
    QSignalSpy spyConfirm(&panel, &CBeginEndCalendarWidget::SignalClickedConfirmBtn);
    Part<CCalendarWidget>(&panel, "m_pBeginCalendarWidget")->SetSelectedDate(dtBegin);
    Part<CCalendarWidget>(&panel, "m_pEndCalendarWidget")->SetSelectedDate(dtEnd);
    Confirm(panel);
    QTEST(PickerTest::ShownNotice(), "strNotice");
    QCOMPARE(spyDate.size(), bReported ? 1 : 0);
    if (bReported) {
        QCOMPARE(spyDate.at(0).at(0).toDate(), dtBegin);
        QCOMPARE(spyDate.at(0).at(1).toDate(), dtEnd);
        // Confirming does not move the range last set: the same days are
        // reported again.
        Confirm(panel);
        QCOMPARE(spyDate.size(), 2);
    }
    QCOMPARE(spyConfirm.size(), bReported ? 2 : 1);
}

void TestRangePickers::confirmMonths_data()
{
    QTest::addColumn<QDate>("dtBeginMonth");
    QTest::addColumn<QDate>("dtEndMonth");
    QTest::addColumn<QString>("strNotice");
    QTest::addColumn<QDate>("dtBegin");
    QTest::addColumn<QDate>("dtEnd");
    QTest::newRow("March to February") << QDate(2017, 3, 15) << QDate(2017, 2, 10) << s_strEarlier << QDate()
                                       << QDate(2017, 2, 28);
    QTest::newRow("leap February") << QDate(2016, 1, 31) << QDate(2016, 2, 1) << QString() << QDate(2016, 1, 1)
                                   << QDate(2016, 2, 29);
    QTest::newRow("across years") << QDate(2016, 11, 3) << QDate(2017, 1, 3) << QString() << QDate(2016, 11, 1)
                                  << QDate(2017, 1, 31);
}

void TestRangePickers::confirmMonths()
{
    QFETCH(QDate, dtBeginMonth);
    QFETCH(QDate, dtEndMonth);
    QFETCH(QString, strNotice);
    QFETCH(QDate, dtEnd);
    CBeginEndCalendarWidget panel;
    panel.SetCalendarFlag(CBeginEndCalendarWidget::MonthFlag);
    QSignalSpy spyDate(&panel, &CBeginEndCalendarWidget::SignalDateChanged);
    auto* pEndTable = Part<CCalendarMonthWidget>(&panel, "m_pEndMonthTableWidget");
    Part<CCalendarMonthWidget>(&panel, "m_pBeginMonthTableWidget")->SetSelectedDate(dtBeginMonth);
    pEndTable->SetSelectedDate(dtEndMonth);
    Confirm(panel);
    QCOMPARE(PickerTest::ShownNotice(), strNotice);
    QCOMPARE(spyDate.size(), strNotice.isEmpty() ? 1 : 0);
    if (strNotice.isEmpty()) {
        QTEST(spyDate.at(0).at(0).toDate(), "dtBegin");
        QCOMPARE(spyDate.at(0).at(1).toDate(), dtEnd);
    }
    // The end table holds the last day of its month either way.
    QCOMPARE(pEndTable->GetSelectedDate(), strNotice.isEmpty() ? dtEnd : QDate(2017, 2, 28));
}

void TestRangePickers::monthNavigation()
{
    CBeginEndCalendarWidget panel;
    panel.SetCalendarFlag(CBeginEndCalendarWidget::DayFlag | CBeginEndCalendarWidget::MonthFlag);
    panel.SetDate(QDate(2017, 3, 31), QDate(2017, 4, 11));
    auto* pBeginLabel = Part<QLabel>(&panel, "m_pMonthLabelBegin");
    auto* pEndLabel = Part<QLabel>(&panel, "m_pMonthLabelEnd");
    QCOMPARE(pBeginLabel->text(), QStringLiteral("2017.03"));
    QCOMPARE(pEndLabel->text(), QStringLiteral("2017.04"));

    Part<QToolButton>(&panel, "m_pPrevMonthBegin")->click();
    QCOMPARE(Part<CCalendarWidget>(&panel, "m_pBeginCalendarWidget")->GetSelectedDate(), QDate(2017, 2, 28));
    QCOMPARE(pBeginLabel->text(), QStringLiteral("2017.02"));
    QCOMPARE(Part<CCalendarMonthWidget>(&panel, "m_pBeginMonthTableWidget")->GetSelectedDate().month(), 2);

    Part<QToolButton>(&panel, "m_pNextMonthEnd")->click();
    QCOMPARE(Part<CCalendarWidget>(&panel, "m_pEndCalendarWidget")->GetSelectedDate(), QDate(2017, 5, 11));
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
    QCOMPARE(edit.text(), QStringLiteral("Last 7 days"));
    // The custom text stays over a new range.
    edit.SetDateRange(QDate(2017, 4, 2), QDate(2017, 4, 8));
    QCOMPARE(edit.text(), QStringLiteral("Last 7 days"));
    edit.SetCustom(QString());
    QCOMPARE(edit.text(), QStringLiteral("2017.04.02-2017.04.08"));
}

void TestRangePickers::rangeEditPopupToggles()
{
    CRangeDateEdit edit;
    edit.SetDateRange(QDate(2017, 4, 1), QDate(2017, 4, 11));
    edit.show();
    QVERIFY(!edit.findChild<CBeginEndCalendarTimePopup*>());
    edit.Button(CFancyLineEdit::Right)->click();
    auto* pPopup = edit.findChild<CBeginEndCalendarTimePopup*>();
    QVERIFY(pPopup && pPopup->isVisible());
    QCOMPARE(pPopup->GetCalendarFlag(), CBeginEndCalendarWidget::CalendarFlags(CBeginEndCalendarWidget::DayFlag));
    QCOMPARE(Part<CCalendarWidget>(pPopup, "m_pEndCalendarWidget")->GetSelectedDate(), QDate(2017, 4, 11));
    edit.Button(CFancyLineEdit::Right)->click();
    QVERIFY(!pPopup->isVisible());
    edit.OnShowCalendar();
    QVERIFY(pPopup->isVisible());
    QCOMPARE(edit.findChildren<CBeginEndCalendarTimePopup*>().size(), 1);

    // A press outside closes it.
    PickerTest::SendMouse(pPopup, QEvent::MouseButtonPress, QPoint(-5, -5));
    QVERIFY(!pPopup->isVisible());
}

void TestRangePickers::rangeEditConfirmedRange()
{
    CRangeDateEdit edit;
    edit.SetDateRange(QDate(2017, 4, 1), QDate(2017, 4, 11));
    edit.show();
    edit.OnShowCalendar();
    auto* pPopup = edit.findChild<CBeginEndCalendarTimePopup*>();
    QSignalSpy spyChanged(&edit, &CRangeDateEdit::SignalDateChanged);
    QSignalSpy spyFinished(&edit, &CRangeDateEdit::SignalDateSelFinished);

    // A refused range changes nothing; the pop-up still closes.
    Part<CCalendarWidget>(pPopup, "m_pBeginCalendarWidget")->SetSelectedDate(QDate(2017, 4, 20));
    Confirm(*pPopup);
    QCOMPARE(PickerTest::ShownNotice(), s_strEarlier);
    QCOMPARE(spyChanged.size(), 0);
    QCOMPARE(spyFinished.size(), 1);
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
    QCOMPARE(pPopup->GetCalendarFlag(), CBeginEndCalendarWidget::CalendarFlags(CBeginEndCalendarWidget::MonthFlag));
    Part<CCalendarMonthWidget>(pPopup, "m_pEndMonthTableWidget")->SetSelectedDate(QDate(2017, 2, 1));
    Confirm(*pPopup);
    QCOMPARE(edit.text(), QStringLiteral("2017.01.01-2017.02.28"));
}

void TestRangePickers::rangeEditPopupStaysOnScreen_data()
{
    QTest::addColumn<QPoint>("ptField");
    QTest::newRow("top left") << QPoint(0, 0);
    QTest::newRow("bottom right corner") << QPoint(780, 590);
}

void TestRangePickers::rangeEditPopupStaysOnScreen()
{
    QWidget window;
    window.setGeometry(0, 0, 800, 600);
    auto* pEdit = new CRangeDateTimeEdit(&window);
    QFETCH(QPoint, ptField);
    pEdit->setGeometry(QRect(ptField, QSize(200, 24)));
    window.show();
    // The first opening creates the window, whose position the offscreen
    // platform shifts by its guess of a frame; the second is placed exactly.
    pEdit->OnShowCalendar();
    pEdit->OnShowCalendar();
    pEdit->OnShowCalendar();
    auto* pPopup = pEdit->findChild<CBeginEndCalendarTimePopup*>();
    QVERIFY(pPopup->isVisible());
    const QRect rectPlaced = pPopup->frameGeometry();
    QVERIFY(QRect(0, 0, 800, 600).contains(rectPlaced));
    pPopup->hide();
}

void TestRangePickers::rangeDateTimeEdit()
{
    CRangeDateTimeEdit edit;
    QSignalSpy spy(&edit, &CRangeDateTimeEdit::SignalDateTimeChanged);
    const QDateTime dtBegin(QDate(2017, 4, 11), QTime(8, 0, 0));
    const QDateTime dtEnd(QDate(2017, 4, 11), QTime(17, 30, 5));
    edit.SetDateTimeRange(dtBegin, dtEnd);
    QCOMPARE(edit.text(), QStringLiteral("2017.04.11 08:00:00-2017.04.11 17:30:05"));
    QCOMPARE(spy.size(), 1);

    edit.show();
    edit.OnShowCalendar();
    auto* pPopup = edit.findChild<CBeginEndCalendarTimePopup*>();
    QVERIFY(pPopup->GetCalendarFlag().testFlag(CBeginEndCalendarWidget::TimeFlag));
    QCOMPARE(Part<CTimeEdit>(pPopup, "m_pEndTimeEdit")->time(), QTime(17, 30, 5));
    Part<CTimeEdit>(pPopup, "m_pEndTimeEdit")->setTime(QTime(8, 0, 0));
    Confirm(*pPopup);
    QCOMPARE(PickerTest::ShownNotice(), s_strEqual);
    QCOMPARE(spy.size(), 1);

    edit.OnShowCalendar();
    Part<CTimeEdit>(pPopup, "m_pEndTimeEdit")->setTime(QTime(9, 0, 0));
    Confirm(*pPopup);
    QCOMPARE(spy.size(), 2);
    QCOMPARE(edit.text(), QStringLiteral("2017.04.11 08:00:00-2017.04.11 09:00:00"));
}

void TestRangePickers::invalidDates_data()
{
    QTest::addColumn<QDate>("date");
    QTest::newRow("null") << QDate();
    QTest::newRow("far past") << QDate::fromJulianDay(1);
    QTest::newRow("far future") << QDate(9999, 12, 31);
}

void TestRangePickers::invalidDates()
{
    QFETCH(QDate, date);
    const QDateTime dateTime(date, QTime(8, 0));
    CBeginEndCalendarWidget panel(nullptr, true);
    panel.SetDate(date, date);
    panel.SetDateTime(dateTime, dateTime);
    panel.SetDateRange(date, date);
    panel.SetDateTimeRange(dateTime, QDateTime());
    QSignalSpy spyConfirm(&panel, &CBeginEndCalendarWidget::SignalClickedConfirmBtn);
    Confirm(panel);
    QCOMPARE(spyConfirm.size(), 1);

    CCalendarTimeWidget timePanel;
    timePanel.SetDateTime(dateTime);
    timePanel.SetDateRange(date, QDate());
    QDateTime dtRead;
    timePanel.GetDateTime(dtRead);
    QVERIFY(dtRead.date().isValid());

    CRangeDateEdit rangeEdit;
    rangeEdit.SetDateRange(date, date);
    QDate dtBegin;
    QDate dtEnd;
    rangeEdit.GetDateRange(dtBegin, dtEnd);
    QCOMPARE(dtBegin, date);
    rangeEdit.show();
    rangeEdit.OnShowCalendar();
    CRangeDateTimeEdit rangeTimeEdit;
    rangeTimeEdit.SetDateTimeRange(dateTime, QDateTime());
    rangeTimeEdit.show();
    rangeTimeEdit.OnShowCalendar();
    QVERIFY(rangeTimeEdit.findChild<CBeginEndCalendarTimePopup*>()->isVisible());
    CCalendarTimePopup popup;
    popup.SetDate(date);
    popup.SetDateRange(date, date);
    QVERIFY(popup.GetSelectedDate().isValid());
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
    QCOMPARE(QList<QList<QVariant>>(spy), (QList<QList<QVariant>>{{QDate(2017, 1, 1), QDate(2017, 12, 31)}}));

    // Reversed bounds are swapped.
    panel.SetDateRange(QDate(2017, 12, 31), QDate(2017, 1, 1));
    panel.SetDate(QDate(2017, 6, 1), QDate(2017, 6, 2));
    auto* pCalendar = Part<CCalendarWidget>(&panel, "m_pBeginCalendarWidget");
    QCOMPARE(pCalendar->GetMinimumDate(), QDate(2017, 1, 1));
    QCOMPARE(pCalendar->GetSelectedDate(), QDate(2017, 6, 1));
}

void TestRangePickers::oddFlags_data()
{
    QTest::addColumn<int>("iFlags");
    QTest::addColumn<int>("iDateSignals");
    QTest::newRow("every bit") << -1 << 0;
    QTest::newRow("day and unknown") << (2 | 0x100) << 1;
}

void TestRangePickers::oddFlags()
{
    QFETCH(int, iFlags);
    CBeginEndCalendarWidget panel;
    panel.SetCalendarFlag(CBeginEndCalendarWidget::CalendarFlags(iFlags));
    QSignalSpy spyDate(&panel, &CBeginEndCalendarWidget::SignalDateChanged);
    QSignalSpy spyConfirm(&panel, &CBeginEndCalendarWidget::SignalClickedConfirmBtn);
    Confirm(panel);
    QTEST(int(spyDate.size()), "iDateSignals");
    QCOMPARE(spyConfirm.size(), 1);

    CRangeDateEdit edit;
    edit.SetCalendarFlag(CBeginEndCalendarWidget::CalendarFlags(iFlags));
    edit.show();
    edit.OnShowCalendar();
    QVERIFY(edit.findChild<CBeginEndCalendarTimePopup*>()->isVisible());
}

void TestRangePickers::slotsWithoutSenderAndHugeTexts()
{
    CBeginEndCalendarWidget panel(nullptr, true);
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
    const auto none = [](auto*) {};
    QTest::newRow("grid pressed") << Deletes<CMinuteTimeEditPopup>(
        &CMinuteTimeEditPopup::SignalTimeChanged, none,
        [](CMinuteTimeEditPopup* p) { PickerTest::PressCell(p->findChild<QTableWidget*>(), QStringLiteral("40")); });
    QTest::newRow("time field clicked") << Deletes<CTimeEdit>(&CTimeEdit::SignalClicked, none, [](CTimeEdit* p) {
        QLineEdit* pLine = p->findChild<QLineEdit*>();
        PickerTest::SendMouse(pLine, QEvent::MouseButtonPress, QPoint(2, 2));
        PickerTest::SendMouse(pLine, QEvent::MouseButtonRelease, QPoint(2, 2));
    });
    QTest::newRow("range panel date changed") << PanelConfirmDeletes(&CBeginEndCalendarWidget::SignalDateChanged);
    QTest::newRow("range panel date-time changed")
        << PanelConfirmDeletes(&CBeginEndCalendarWidget::SignalDateTimeChanged, true);
    QTest::newRow("range panel confirm clicked")
        << PanelConfirmDeletes(&CBeginEndCalendarWidget::SignalClickedConfirmBtn);
    QTest::newRow("range field changed") << Deletes<CRangeDateEdit>(
        &CRangeDateEdit::SignalDateChanged,
        [](CRangeDateEdit* p) {
            p->OnShowCalendar();
            Part<CCalendarWidget>(p, "m_pEndCalendarWidget")->SetSelectedDate(QDate::currentDate().addDays(1));
        },
        ConfirmPopupOf<CRangeDateEdit>);
    QTest::newRow("range field finished") << Deletes<CRangeDateEdit>(
        &CRangeDateEdit::SignalDateSelFinished, [](CRangeDateEdit* p) { p->OnShowCalendar(); },
        ConfirmPopupOf<CRangeDateEdit>);
    QTest::newRow("date-time range field changed") << Deletes<CRangeDateTimeEdit>(
        &CRangeDateTimeEdit::SignalDateTimeChanged,
        [](CRangeDateTimeEdit* p) {
            p->SetDateTimeRange(QDateTime(QDate(2017, 4, 11), QTime(8, 0)), QDateTime(QDate(2017, 4, 11), QTime(9, 0)));
            p->OnShowCalendar();
            Part<CTimeEdit>(p, "m_pEndTimeEdit")->setTime(QTime(10, 0));
        },
        ConfirmPopupOf<CRangeDateTimeEdit>);
    QTest::newRow("date-time range field finished") << Deletes<CRangeDateTimeEdit>(
        &CRangeDateTimeEdit::SignalDateSelFinished, [](CRangeDateTimeEdit* p) { p->OnShowCalendar(); },
        ConfirmPopupOf<CRangeDateTimeEdit>);
    QTest::newRow("calendar pop-up activated") << Deletes<CCalendarTimePopup>(
        &CCalendarTimePopup::activated, none, [](CCalendarTimePopup* p) { p->dateSelected(QDate(2017, 4, 11)); });
    QTest::newRow("calendar pop-up browsed") << Deletes<CCalendarTimePopup>(
        &CCalendarTimePopup::newDateSelected, none,
        [](CCalendarTimePopup* p) { p->GetCalendarWidget()->SetSelectedDate(QDate(2017, 4, 12)); });
    QTest::newRow("calendar pop-up hiding") << Deletes<CCalendarTimePopup>(
        &CCalendarTimePopup::hidingCalendar, none, [](CCalendarTimePopup* p) { QTest::keyClick(p, Qt::Key_Escape); });
    QTest::newRow("calendar pop-up released") << Deletes<CCalendarTimePopup>(
        &CCalendarTimePopup::resetButton, none,
        [](CCalendarTimePopup* p) { PickerTest::SendMouse(p, QEvent::MouseButtonRelease, QPoint(3, 3)); });
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
