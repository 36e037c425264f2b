#include <OrvaGUIToolkit/OrvaGUIToolkit.h>

#include "PickerTestSupport.h"

#include <QtTest/QtTest>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>

#include <climits>
#include <functional>

using namespace OrvaGUIToolkit;

Q_DECLARE_METATYPE(std::function<void(QWidget*)>)

using PickerTest::MouseClick;
using PickerTest::Part;
using Case = std::function<void(QWidget*)>;

namespace {

// A panel built in the parent, deleted by a slot on signal, which its
// confirm button makes it emit.
template <typename Panel, typename Signal>
Case ConfirmDeletes(Signal signal, bool bTime = false)
{
    return [signal, bTime](QWidget* pParent) {
        auto* pPanel = new Panel(pParent, bTime);
        pPanel->show();
        if (bTime)
            pPanel->SetDateTime(QDateTime(QDate(2017, 4, 11), QTime(8, 0)), QDateTime(QDate(2017, 4, 12), QTime(8, 0)));
        QObject::connect(pPanel, signal, pPanel, [pPanel] { delete pPanel; });
        MouseClick(Part<QPushButton>(pPanel, "m_pConfirmBtn"));
    };
}

} // namespace

class TestPickersHostile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void timeValuesOutOfRange_data();
    void timeValuesOutOfRange();
    void invalidDates_data();
    void invalidDates();
    void datesOutsideTheBounds();
    void reversedBounds();
    void oddFlags_data();
    void oddFlags();
    void nullArguments();
    void hugeTexts();
    void typedTextThatIsNoDate_data();
    void typedTextThatIsNoDate();
    void deletingSlot_data();
    void deletingSlot();
};

void TestPickersHostile::cleanup()
{
    PickerTest::CloseNotices();
}

void TestPickersHostile::timeValuesOutOfRange_data()
{
    QTest::addColumn<int>("iSection");
    QTest::addColumn<int>("iValue");
    for (int iSection : {int(QDateTimeEdit::HourSection), int(QDateTimeEdit::MinuteSection),
                         int(QDateTimeEdit::SecondSection)}) {
        for (int iValue : {INT_MIN, -1, 60, INT_MAX}) {
            QTest::addRow("section %d, %d", iSection, iValue) << iSection << iValue;
        }
    }
}

void TestPickersHostile::timeValuesOutOfRange()
{
    QFETCH(int, iSection);
    QFETCH(int, iValue);
    CTimeEdit edit(QTime(8, 37, 15, 250));
    edit.setCurrentSection(QDateTimeEdit::Section(iSection));
    edit.OnChangeTime(iValue);
    QCOMPARE(edit.time(), QTime(8, 37, 15, 250));

    CHourTimeEditPopup hours;
    hours.SetValue(QString::number(iValue));
    QCOMPARE(hours.findChild<QTableWidget*>()->currentItem(), nullptr);
}

void TestPickersHostile::invalidDates_data()
{
    QTest::addColumn<QDate>("date");
    QTest::newRow("null") << QDate();
    QTest::newRow("30 February") << QDate(2017, 2, 30);
    QTest::newRow("month 13") << QDate(2017, 13, 1);
    QTest::newRow("far past") << QDate::fromJulianDay(1);
    QTest::newRow("far future") << QDate(9999, 12, 31);
}

void TestPickersHostile::invalidDates()
{
    QFETCH(QDate, date);
    const QDateTime dateTime(date, QTime(8, 0));

    CBeginEndCalendarWidget panel(nullptr, true);
    panel.SetDate(date, date);
    panel.SetDateTime(dateTime, dateTime);
    panel.SetDateRange(date, date);
    panel.SetDateTimeRange(dateTime, QDateTime());
    QSignalSpy spyConfirm(&panel, &CBeginEndCalendarWidget::SignalClickedConfirmBtn);
    Part<QPushButton>(&panel, "m_pConfirmBtn")->click();
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
    rangeEdit.OnShowCalendar();

    CRangeDateTimeEdit rangeTimeEdit;
    rangeTimeEdit.SetDateTimeRange(dateTime, QDateTime());
    rangeTimeEdit.show();
    rangeTimeEdit.OnShowCalendar();
    rangeTimeEdit.OnShowCalendar();

    CCalendarTimePopup popup;
    popup.SetDate(date);
    popup.SetDateRange(date, date);
    QVERIFY(popup.GetSelectedDate().isValid());
}

void TestPickersHostile::datesOutsideTheBounds()
{
    // The calendars keep their days inside the bounds, so confirming reports
    // the clamped range.
    CBeginEndCalendarWidget panel;
    panel.SetDateRange(QDate(2017, 1, 1), QDate(2017, 12, 31));
    panel.SetDate(QDate(2010, 5, 5), QDate(2030, 5, 5));
    QSignalSpy spy(&panel, &CBeginEndCalendarWidget::SignalDateChanged);
    Part<QPushButton>(&panel, "m_pConfirmBtn")->click();
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.at(0).at(0).toDate(), QDate(2017, 1, 1));
    QCOMPARE(spy.at(0).at(1).toDate(), QDate(2017, 12, 31));
}

void TestPickersHostile::reversedBounds()
{
    CBeginEndCalendarWidget panel;
    panel.SetDateRange(QDate(2017, 12, 31), QDate(2017, 1, 1));
    panel.SetDate(QDate(2017, 6, 1), QDate(2017, 6, 2));
    auto* pCalendar = Part<CCalendarWidget>(&panel, "m_pBeginCalendarWidget");
    QCOMPARE(pCalendar->GetMinimumDate(), QDate(2017, 1, 1));
    QCOMPARE(pCalendar->GetSelectedDate(), QDate(2017, 6, 1));
}

void TestPickersHostile::oddFlags_data()
{
    QTest::addColumn<int>("iFlags");
    QTest::addColumn<int>("iDateSignals");
    QTest::newRow("none") << 0 << 0;
    QTest::newRow("unknown bits") << 0x70 << 0;
    QTest::newRow("every bit") << -1 << 0;
    QTest::newRow("day and unknown") << (2 | 0x100) << 1;
}

void TestPickersHostile::oddFlags()
{
    QFETCH(int, iFlags);
    CBeginEndCalendarWidget panel;
    panel.SetCalendarFlag(CBeginEndCalendarWidget::CalendarFlags(iFlags));
    QSignalSpy spyDate(&panel, &CBeginEndCalendarWidget::SignalDateChanged);
    QSignalSpy spyConfirm(&panel, &CBeginEndCalendarWidget::SignalClickedConfirmBtn);
    Part<QPushButton>(&panel, "m_pConfirmBtn")->click();
    QTEST(int(spyDate.size()), "iDateSignals");
    QCOMPARE(spyConfirm.size(), 1);

    CRangeDateEdit edit;
    edit.SetCalendarFlag(CBeginEndCalendarWidget::CalendarFlags(iFlags));
    edit.show();
    edit.OnShowCalendar();
    QVERIFY(edit.findChild<CBeginEndCalendarTimePopup*>()->isVisible());
    edit.OnShowCalendar();
}

void TestPickersHostile::nullArguments()
{
    CHourTimeEditPopup hours;
    QSignalSpy spyHours(&hours, &CHourTimeEditPopup::SignalTimeChanged);
    QTest::ignoreMessage(QtWarningMsg, "CHourTimeEditPopup::OnItemPressed: pItem == NULL");
    hours.OnItemPressed(nullptr);
    QCOMPARE(spyHours.size(), 0);

    CMinuteTimeEditPopup minutes;
    QTest::ignoreMessage(QtWarningMsg, "CMinuteTimeEditPopup::OnItemPressed: pItem == NULL");
    minutes.OnItemPressed(nullptr);

    CCalendarTimePopup popup;
    CCalendarWidget* pCalendar = popup.GetCalendarWidget();
    QTest::ignoreMessage(QtWarningMsg, "CCalendarTimePopup::SetCalendarWidget: pCalendar == NULL");
    popup.SetCalendarWidget(nullptr);
    QCOMPARE(popup.GetCalendarWidget(), pCalendar);

    // A calendar deleted behind the pop-up's back leaves it inert.
    delete pCalendar;
    QCOMPARE(popup.GetCalendarWidget(), nullptr);
    popup.SetDate(QDate(2017, 4, 11));
    QCOMPARE(popup.GetSelectedDate(), QDate());
    popup.SetDateRange(QDate(2017, 1, 1), QDate(2017, 12, 31));
    popup.SetFirstDayOfWeek(Qt::Monday);
    popup.dateSelectionChanged();

    // The panels' slots called directly, with no sender.
    CBeginEndCalendarWidget panel(nullptr, true);
    panel.OnClickedTimeEdit();
    panel.OnPrevMonthClicked();
    panel.OnNextMonthClicked();
    QVERIFY(panel.findChildren<CHourTimeEditPopup*>().isEmpty());
}

void TestPickersHostile::hugeTexts()
{
    const QString strHuge(1 << 20, QLatin1Char('x'));
    CRangeDateEdit edit;
    edit.SetCustom(strHuge);
    // The line edit keeps what its maximum length allows.
    QCOMPARE(edit.text(), strHuge.left(edit.maxLength()));
    edit.SetCustom(QString());
    QVERIFY(edit.text().size() < 30);

    CMinuteTimeEditPopup minutes;
    minutes.SetValue(strHuge);
    QCOMPARE(minutes.findChild<QTableWidget*>()->currentItem(), nullptr);
}

void TestPickersHostile::typedTextThatIsNoDate_data()
{
    QTest::addColumn<int>("iField");
    QTest::addColumn<QString>("strTyped");
    for (int iField = 0; iField < 4; ++iField) {
        QTest::addRow("field %d, letters", iField) << iField << QStringLiteral("abc");
        QTest::addRow("field %d, 99:99", iField) << iField << QStringLiteral("99:99:99");
        QTest::addRow("field %d, 2017-02-30", iField) << iField << QStringLiteral("2017-02-30");
    }
}

void TestPickersHostile::typedTextThatIsNoDate()
{
    QFETCH(int, iField);
    QFETCH(QString, strTyped);
    std::unique_ptr<QDateTimeEdit> pEdit;
    switch (iField) {
    case 0: pEdit.reset(new CDateTimeEdit(QDateTime(QDate(2017, 4, 11), QTime(8, 0)))); break;
    case 1: pEdit.reset(new CYearMonthDayEdit(QDate(2017, 4, 11))); break;
    case 2: pEdit.reset(new CDateEdit); break;
    default: pEdit.reset(new CTimeEdit(QTime(8, 0))); break;
    }
    pEdit->show();
    pEdit->setFocus();
    pEdit->findChild<QLineEdit*>()->selectAll();
    QTest::keyClicks(pEdit.get(), strTyped);
    QTest::keyClick(pEdit.get(), Qt::Key_Enter);
    pEdit->clearFocus();
    QVERIFY(pEdit->dateTime().isValid());
}

void TestPickersHostile::deletingSlot_data()
{
    // Each case builds a control inside the given parent, connects a slot that
    // deletes the control to one of its signals, and makes the control emit it.
    QTest::addColumn<Case>("run");

    QTest::newRow("grid pressed") << Case([](QWidget* pParent) {
        auto* pPopup = new CMinuteTimeEditPopup(pParent);
        pPopup->show();
        QObject::connect(pPopup, &CMinuteTimeEditPopup::SignalTimeChanged, pPopup, [pPopup] { delete pPopup; });
        PickerTest::PressCell(pPopup->findChild<QTableWidget*>(), QStringLiteral("40"));
    });
    QTest::newRow("time field clicked") << Case([](QWidget* pParent) {
        auto* pEdit = new CTimeEdit(pParent);
        pEdit->show();
        QObject::connect(pEdit, &CTimeEdit::SignalClicked, pEdit, [pEdit] { delete pEdit; });
        QLineEdit* pLine = pEdit->findChild<QLineEdit*>();
        PickerTest::SendMouse(pLine, QEvent::MouseButtonPress, QPoint(2, 2));
        PickerTest::SendMouse(pLine, QEvent::MouseButtonRelease, QPoint(2, 2));
    });
    QTest::newRow("range panel date changed")
        << ConfirmDeletes<CBeginEndCalendarWidget>(&CBeginEndCalendarWidget::SignalDateChanged);
    QTest::newRow("range panel date-time changed")
        << ConfirmDeletes<CBeginEndCalendarWidget>(&CBeginEndCalendarWidget::SignalDateTimeChanged, true);
    QTest::newRow("range panel confirm clicked")
        << ConfirmDeletes<CBeginEndCalendarWidget>(&CBeginEndCalendarWidget::SignalClickedConfirmBtn);
    QTest::newRow("range field changed") << Case([](QWidget* pParent) {
        auto* pEdit = new CRangeDateEdit(pParent);
        pEdit->show();
        pEdit->OnShowCalendar();
        auto* pPopup = pEdit->findChild<CBeginEndCalendarTimePopup*>();
        Part<CCalendarWidget>(pPopup, "m_pEndCalendarWidget")->SetSelectedDate(QDate::currentDate().addDays(1));
        QObject::connect(pEdit, &CRangeDateEdit::SignalDateChanged, pEdit, [pEdit] { delete pEdit; });
        MouseClick(Part<QPushButton>(pPopup, "m_pConfirmBtn"));
    });
    QTest::newRow("range field finished") << Case([](QWidget* pParent) {
        auto* pEdit = new CRangeDateEdit(pParent);
        pEdit->show();
        pEdit->OnShowCalendar();
        QObject::connect(pEdit, &CRangeDateEdit::SignalDateSelFinished, pEdit, [pEdit] { delete pEdit; });
        MouseClick(Part<QPushButton>(pEdit->findChild<CBeginEndCalendarTimePopup*>(), "m_pConfirmBtn"));
    });
    QTest::newRow("date-time range field changed") << Case([](QWidget* pParent) {
        auto* pEdit = new CRangeDateTimeEdit(pParent);
        pEdit->SetDateTimeRange(QDateTime(QDate(2017, 4, 11), QTime(8, 0)), QDateTime(QDate(2017, 4, 11), QTime(9, 0)));
        pEdit->show();
        pEdit->OnShowCalendar();
        auto* pPopup = pEdit->findChild<CBeginEndCalendarTimePopup*>();
        Part<CTimeEdit>(pPopup, "m_pEndTimeEdit")->setTime(QTime(10, 0));
        QObject::connect(pEdit, &CRangeDateTimeEdit::SignalDateTimeChanged, pEdit, [pEdit] { delete pEdit; });
        MouseClick(Part<QPushButton>(pPopup, "m_pConfirmBtn"));
    });
    QTest::newRow("date-time range field finished") << Case([](QWidget* pParent) {
        auto* pEdit = new CRangeDateTimeEdit(pParent);
        pEdit->show();
        pEdit->OnShowCalendar();
        QObject::connect(pEdit, &CRangeDateTimeEdit::SignalDateSelFinished, pEdit, [pEdit] { delete pEdit; });
        MouseClick(Part<QPushButton>(pEdit->findChild<CBeginEndCalendarTimePopup*>(), "m_pConfirmBtn"));
    });
    QTest::newRow("calendar pop-up activated") << Case([](QWidget* pParent) {
        auto* pPopup = new CCalendarTimePopup(pParent);
        pPopup->show();
        QObject::connect(pPopup, &CCalendarTimePopup::activated, pPopup, [pPopup] { delete pPopup; });
        pPopup->dateSelected(QDate(2017, 4, 11));
    });
    QTest::newRow("calendar pop-up browsed") << Case([](QWidget* pParent) {
        auto* pPopup = new CCalendarTimePopup(pParent);
        pPopup->show();
        QObject::connect(pPopup, &CCalendarTimePopup::newDateSelected, pPopup, [pPopup] { delete pPopup; });
        pPopup->GetCalendarWidget()->SetSelectedDate(QDate(2017, 4, 12));
    });
    QTest::newRow("calendar pop-up hiding") << Case([](QWidget* pParent) {
        auto* pPopup = new CCalendarTimePopup(pParent);
        pPopup->show();
        QObject::connect(pPopup, &CCalendarTimePopup::hidingCalendar, pPopup, [pPopup] { pPopup->deleteLater(); });
        QTest::keyClick(pPopup, Qt::Key_Escape);
    });
    QTest::newRow("calendar pop-up released") << Case([](QWidget* pParent) {
        auto* pPopup = new CCalendarTimePopup(pParent);
        pPopup->show();
        QObject::connect(pPopup, &CCalendarTimePopup::resetButton, pPopup, [pPopup] { delete pPopup; });
        PickerTest::SendMouse(pPopup, QEvent::MouseButtonRelease, QPoint(3, 3));
    });
}

void TestPickersHostile::deletingSlot()
{
    QFETCH(Case, run);
    QWidget parent;
    parent.show();
    run(&parent);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(parent.findChildren<QWidget*>().size() <= 1);
}

QTEST_MAIN(TestPickersHostile)
#include "tst_pickers_hostile.moc"
