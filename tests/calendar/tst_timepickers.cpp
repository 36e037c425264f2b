#include <OrvaGUIToolkit/OrvaGUIToolkit.h>

#include "PickerTestSupport.h"

#include <QtTest/QtTest>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>

#include <climits>

using namespace OrvaGUIToolkit;

class TestTimePickers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void grids_data();
    void grids();
    void gridValue();
    void timeEditChangesOnlyItsSection_data();
    void timeEditChangesOnlyItsSection();
    void timeEditReportsClicks();
    void panelOpensTheGridOfTheSection_data();
    void panelOpensTheGridOfTheSection();
    void panelButtons();
    void dateTimeEditConstructors();
    void dateTimeEditPopup();
    void yearMonthDayPopup();
    void calendarPopupRestoresOnClose();
    void nullArguments();
};

namespace {

QTableWidget* GridOf(QWidget* pPopup)
{
    return pPopup ? pPopup->findChild<QTableWidget*>(QStringLiteral("m_pTableWidget")) : nullptr;
}

QStringList Texts(const QTableWidget* pTable)
{
    QStringList listTexts;
    for (int iRow = 0; iRow < pTable->rowCount(); ++iRow) {
        for (int iColumn = 0; iColumn < pTable->columnCount(); ++iColumn)
            listTexts << pTable->item(iRow, iColumn)->text();
    }
    return listTexts;
}

// Clicks the panel's time field inside a section, as the user does.
void ClickSection(CTimeEdit* pEdit, QDateTimeEdit::Section enumSection)
{
    pEdit->setCurrentSection(enumSection);
    auto* pLine = pEdit->findChild<QLineEdit*>();
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(pLine->mapToGlobal(QPoint(2, 2))),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(pLine, &release);
}

} // namespace

void TestTimePickers::grids_data()
{
    QTest::addColumn<bool>("bHour");
    QTest::addColumn<QString>("strName");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("iRows");
    QTest::addColumn<QStringList>("listTexts");
    QStringList listHours;
    for (int i = 0; i < 24; ++i)
        listHours << QString::number(i);
    QTest::newRow("hours") << true << "HourTimeEditPopupClass" << QSize(132, 88) << 4 << listHours;
    QTest::newRow("minutes") << false << "MinuteTimeEditPopupClass" << QSize(130, 49) << 2
                             << QStringList{"0", "5", "10", "15", "20", "25", "30", "35", "40", "45", "50", "55"};
}

void TestTimePickers::grids()
{
    QFETCH(bool, bHour);
    QWidget parent;
    QWidget* pPopup = bHour ? static_cast<QWidget*>(new CHourTimeEditPopup(&parent))
                            : static_cast<QWidget*>(new CMinuteTimeEditPopup(&parent));
    QTEST(pPopup->objectName(), "strName");
    QTEST(pPopup->size(), "size");
    QTableWidget* pTable = GridOf(pPopup);
    QTEST(pTable->rowCount(), "iRows");
    QCOMPARE(pTable->columnCount(), 6);
    QTEST(Texts(pTable), "listTexts");
}

void TestTimePickers::gridValue()
{
    CMinuteTimeEditPopup popup;
    QTableWidget* pTable = GridOf(&popup);
    QList<QPoint> listCells;
    // A value without a cell leaves no current cell.
    for (const QString& strValue : {QStringLiteral("40"), QStringLiteral("37"), QString(), QString(1 << 20, QLatin1Char('5'))}) {
        pTable->setCurrentCell(0, 3);
        popup.SetValue(strValue);
        listCells << QPoint(pTable->currentColumn(), pTable->currentRow());
        QVERIFY(pTable->selectedItems().size() <= 1);
    }
    QCOMPARE(listCells, (QList<QPoint>{QPoint(2, 1), QPoint(-1, -1), QPoint(-1, -1), QPoint(-1, -1)}));
}

void TestTimePickers::timeEditChangesOnlyItsSection_data()
{
    QTest::addColumn<int>("iSection");
    QTest::addColumn<int>("iValue");
    QTest::addColumn<QTime>("timeExpected");
    QTest::newRow("hour") << int(QDateTimeEdit::HourSection) << 22 << QTime(22, 37, 15);
    QTest::newRow("minute") << int(QDateTimeEdit::MinuteSection) << 40 << QTime(8, 40, 15);
    QTest::newRow("second") << int(QDateTimeEdit::SecondSection) << 5 << QTime(8, 37, 5);
    // Values out of the section's range change nothing.
    QTest::newRow("hour 24") << int(QDateTimeEdit::HourSection) << 24 << QTime(8, 37, 15);
    QTest::newRow("minute -1") << int(QDateTimeEdit::MinuteSection) << -1 << QTime(8, 37, 15);
    QTest::newRow("second 60") << int(QDateTimeEdit::SecondSection) << 60 << QTime(8, 37, 15);
    QTest::newRow("hour INT_MIN") << int(QDateTimeEdit::HourSection) << INT_MIN << QTime(8, 37, 15);
}

void TestTimePickers::timeEditChangesOnlyItsSection()
{
    CTimeEdit edit(QTime(8, 37, 15));
    QCOMPARE(edit.displayFormat(), QStringLiteral("hh:mm:ss"));
    QFETCH(int, iSection);
    edit.setCurrentSection(QDateTimeEdit::Section(iSection));
    QFETCH(int, iValue);
    edit.OnChangeTime(iValue);
    QTEST(edit.time(), "timeExpected");
}

void TestTimePickers::timeEditReportsClicks()
{
    CTimeEdit edit;
    QSignalSpy spy(&edit, &CTimeEdit::SignalClicked);
    ClickSection(&edit, QDateTimeEdit::MinuteSection);
    QCOMPARE(spy.size(), 1);
    PickerTest::SendMouse(edit.findChild<QLineEdit*>(), QEvent::MouseButtonPress, QPoint(2, 2));
    QCOMPARE(spy.size(), 1);
}

void TestTimePickers::panelOpensTheGridOfTheSection_data()
{
    QTest::addColumn<int>("iSection");
    QTest::addColumn<bool>("bHourShown");
    QTest::addColumn<bool>("bMinuteShown");
    QTest::addColumn<int>("iPressed");
    QTest::addColumn<QTime>("timeExpected");
    QTest::newRow("hour") << int(QDateTimeEdit::HourSection) << true << false << 21 << QTime(21, 37, 15);
    QTest::newRow("minute") << int(QDateTimeEdit::MinuteSection) << false << true << 40 << QTime(8, 40, 15);
    QTest::newRow("second") << int(QDateTimeEdit::SecondSection) << false << true << 55 << QTime(8, 37, 55);
}

void TestTimePickers::panelOpensTheGridOfTheSection()
{
    QFETCH(bool, bHourShown);
    CCalendarTimeWidget panel;
    panel.show();
    panel.SetDateTime(QDateTime(QDate(2017, 4, 11), QTime(8, 37, 15)));
    auto* pEdit = panel.findChild<CTimeEdit*>(QStringLiteral("m_pTimeEdit"));
    QFETCH(int, iSection);
    ClickSection(pEdit, QDateTimeEdit::Section(iSection));

    auto* pHour = panel.findChild<CHourTimeEditPopup*>();
    auto* pMinute = panel.findChild<CMinuteTimeEditPopup*>();
    QCOMPARE(pHour && pHour->isVisible(), bHourShown);
    QTEST(pMinute && pMinute->isVisible(), "bMinuteShown");
    QWidget* pGrid = bHourShown ? static_cast<QWidget*>(pHour) : static_cast<QWidget*>(pMinute);
    // The grid's bottom-right corner sits on the field's top-right corner.
    const QPoint ptEditTopRight = pEdit->mapTo(&panel, QPoint(pEdit->width() - 1, 0));
    QCOMPARE(pGrid->geometry().bottomRight(), ptEditTopRight + QPoint(-1, -1));

    QFETCH(int, iPressed);
    PickerTest::PressCell(GridOf(pGrid), QString::number(iPressed));
    QTEST(pEdit->time(), "timeExpected");

    // A click on the calendar closes the grids, and hiding the panel takes them along.
    panel.findChild<CCalendarWidget*>()->SignalClicked(QDate(2017, 4, 12));
    QVERIFY(!pGrid->isVisible());
    ClickSection(pEdit, QDateTimeEdit::Section(iSection));
    panel.hide();
    QVERIFY(!pGrid->isVisibleTo(&panel));
}

void TestTimePickers::panelButtons()
{
    CCalendarTimeWidget panel;
    QSignalSpy spyChanged(&panel, &CCalendarTimeWidget::SignalDateChanged);
    QSignalSpy spyConfirm(&panel, &CCalendarTimeWidget::SignalClickedConfirmBtn);
    panel.SetDateTime(QDateTime(QDate(2017, 4, 11), QTime(8, 0, 0)));
    auto* pConfirm = panel.findChild<QPushButton*>(QStringLiteral("m_pConfirmBtn"));
    QCOMPARE(pConfirm->text(), QStringLiteral("Confirm"));
    pConfirm->click();
    panel.findChild<CTimeEdit*>()->setTime(QTime(9, 30, 0));
    pConfirm->click();
    // Only a changed time is reported; every click is.
    QCOMPARE(PickerTest::Emitted(spyChanged), PickerTest::Emissions{{QDateTime(QDate(2017, 4, 11), QTime(9, 30, 0))}});
    QCOMPARE(spyConfirm.size(), 2);

    auto* pNow = panel.findChild<QPushButton*>(QStringLiteral("m_pCurTimeBtn"));
    QCOMPARE(pNow->text(), QStringLiteral("Current Time"));
    pNow->click();
    QDateTime dtRead;
    panel.GetDateTime(dtRead);
    QCOMPARE(dtRead.date(), QDate::currentDate());
    QVERIFY(qAbs(dtRead.time().secsTo(QTime::currentTime())) < 5);
    QCOMPARE(spyChanged.size(), 1);
}

void TestTimePickers::dateTimeEditConstructors()
{
    const QDate date(2017, 4, 11);
    const QTime time(8, 30, 5);
    const QDateTime dtToday(QDate::currentDate(), time);
QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED
    std::unique_ptr<CDateTimeEdit> listEdits[] = {
        std::make_unique<CDateTimeEdit>(QDateTime(date, time)), std::make_unique<CDateTimeEdit>(date),
        std::make_unique<CDateTimeEdit>(time), std::make_unique<CDateTimeEdit>(QVariant(date), QVariant::Date),
        std::make_unique<CDateTimeEdit>(QVariant(time), QVariant::Time),
        std::make_unique<CDateTimeEdit>(QVariant(QDateTime(date, time)), QVariant::DateTime)};
QT_WARNING_POP
    QList<QDateTime> listTimes;
    for (const auto& pEdit : listEdits) {
        listTimes << pEdit->dateTime();
        QCOMPARE(pEdit->displayFormat(), QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    }
    QCOMPARE(listTimes, (QList<QDateTime>{QDateTime(date, time), QDateTime(date, QTime(0, 0)), dtToday,
                                          QDateTime(date, QTime(0, 0)), dtToday, QDateTime(date, time)}));
    CDateEdit dateEdit;
    QCOMPARE(dateEdit.displayFormat(), QStringLiteral("yyyy-MM-dd"));
    QVERIFY(listEdits[0]->calendarPopup() && dateEdit.calendarPopup());
}

void TestTimePickers::dateTimeEditPopup()
{
    CDateTimeEdit edit(QDateTime(QDate(2017, 4, 11), QTime(8, 30, 0)));
    edit.setDateRange(QDate(2017, 1, 1), QDate(2017, 12, 31));
    edit.move(100, 100);
    edit.show();
    PickerTest::SendMouse(&edit, QEvent::MouseButtonPress, QPoint(edit.width() - 4, edit.height() / 2));
    auto* pPopup = edit.findChild<CComplexCalendarTimePopup*>();
    QVERIFY(pPopup && pPopup->isVisible());
    QDateTime dtShown;
    pPopup->GetDateTime(dtShown);
    QCOMPARE(dtShown, QDateTime(QDate(2017, 4, 11), QTime(8, 30, 0)));
    auto* pCalendar = pPopup->findChild<CCalendarWidget*>();
    QCOMPARE(pCalendar->GetMaximumDate(), QDate(2017, 12, 31));
    // Under the field.
    const QPoint ptUnder = edit.mapToGlobal(QPoint(0, edit.height() - 1));
    QVERIFY((pPopup->geometry().topLeft() - ptUnder).manhattanLength() <= 8);

    pCalendar->SetSelectedDate(QDate(2017, 5, 2));
    pPopup->findChild<QPushButton*>(QStringLiteral("m_pConfirmBtn"))->click();
    QCOMPARE(edit.dateTime(), QDateTime(QDate(2017, 5, 2), QTime(8, 30, 0)));
    QVERIFY(!pPopup->isVisible());
}

void TestTimePickers::yearMonthDayPopup()
{
    CYearMonthDayEdit edit(QDate(2017, 4, 11));
    edit.show();
    PickerTest::SendMouse(&edit, QEvent::MouseButtonPress, QPoint(edit.width() - 4, edit.height() / 2));
    auto* pPopup = edit.findChild<CCalendarTimePopup*>();
    QVERIFY(pPopup && pPopup->isVisible());
    QCOMPARE(pPopup->GetSelectedDate(), QDate(2017, 4, 11));

    // Browsing follows in the field; a click on a day takes it and closes.
    pPopup->GetCalendarWidget()->SetSelectedDate(QDate(2017, 4, 20));
    QCOMPARE(edit.date(), QDate(2017, 4, 20));
    QSignalSpy spyActivated(pPopup, &CCalendarTimePopup::activated);
    pPopup->dateSelected(QDate(2017, 4, 21));
    QCOMPARE(spyActivated.size(), 1);
    QCOMPARE(edit.date(), QDate(2017, 4, 21));
    QVERIFY(!pPopup->isVisible());
}

void TestTimePickers::calendarPopupRestoresOnClose()
{
    CCalendarTimePopup popup;
    QCOMPARE(popup.size(), popup.GetCalendarWidget()->size());
    QSignalSpy spyHiding(&popup, &CCalendarTimePopup::hidingCalendar);
    QSignalSpy spyReset(&popup, &CCalendarTimePopup::resetButton);
    QSignalSpy spyNew(&popup, &CCalendarTimePopup::newDateSelected);
    popup.SetDate(QDate(2017, 4, 11));
    popup.show();
    spyNew.clear();
    // Browsing marks a pick; Escape takes the mark back, so closing reports
    // the date the pop-up opened on.
    popup.GetCalendarWidget()->SetSelectedDate(QDate(2017, 4, 15));
    QCOMPARE(QList<QList<QVariant>>(spyNew), (QList<QList<QVariant>>{{QDate(2017, 4, 15)}}));
    QTest::keyClick(&popup, Qt::Key_Escape);
    QVERIFY(!popup.isVisible());
    QCOMPARE(spyReset.size(), 1);
    QCOMPARE(QList<QList<QVariant>>(spyHiding), (QList<QList<QVariant>>{{QDate(2017, 4, 11)}}));

    // Closed after a pick: no way back.
    popup.SetDate(QDate(2017, 4, 11));
    popup.show();
    popup.GetCalendarWidget()->SetSelectedDate(QDate(2017, 4, 16));
    popup.hide();
    QCOMPARE(spyHiding.size(), 1);
    QCOMPARE(spyReset.size(), 2);

}

void TestTimePickers::nullArguments()
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
}

QTEST_MAIN(TestTimePickers)
#include "tst_timepickers.moc"
