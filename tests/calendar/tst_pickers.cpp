#include <OrvaGUIToolkit/OrvaGUIToolkit.h>

#include <QtCore/QPointer>
#include <QtTest/QtTest>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTableWidget>
#include <QtWidgets/QToolButton>

#include <climits>
#include <functional>
#include <memory>

using namespace OrvaGUIToolkit;

namespace {

using Emissions = QList<QList<QVariant>>;

// What a spy recorded, for one comparison with the expected emissions.
Emissions Emitted(const QSignalSpy& spy)
{
    return spy;
}

// The text of the notice on screen; empty when there is none.
QString ShownNotice()
{
    QString strText;
    for (QWidget* pWidget : QApplication::topLevelWidgets()) {
        auto* pNotice = qobject_cast<OrvaGUIToolkit::CInformationDlg*>(pWidget);
        if (pNotice && pNotice->isVisible())
            strText = pNotice->GetText();
    }
    return strText;
}

void CloseNotices()
{
    for (QWidget* pWidget : QApplication::topLevelWidgets()) {
        if (auto* pNotice = qobject_cast<OrvaGUIToolkit::CInformationDlg*>(pWidget))
            pNotice->close();
    }
}

void SendMouse(QWidget* pTarget, QEvent::Type enumType, const QPoint& point,
               Qt::MouseButton enumButton = Qt::LeftButton)
{
    const Qt::MouseButtons enumButtons = enumType == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(enumButton);
    QMouseEvent event(enumType, QPointF(point), QPointF(pTarget->mapToGlobal(point)), enumButton, enumButtons,
                      Qt::NoModifier);
    QApplication::sendEvent(pTarget, &event);
}

template <typename T>
T* Part(QWidget* pWidget, const char* szName)
{
    return pWidget->findChild<T*>(QLatin1String(szName));
}

// Clicks a button with real mouse events, as the user does.
void MouseClick(QWidget* pButton)
{
    const QPoint point = pButton->rect().center();
    QPointer<QWidget> pGuard(pButton);
    SendMouse(pButton, QEvent::MouseButtonPress, point);
    if (pGuard)
        SendMouse(pButton, QEvent::MouseButtonRelease, point);
}

// Presses the cell of a time grid that shows strText.
void PressCell(QTableWidget* pTable, const QString& strText)
{
    const QList<QTableWidgetItem*> listItems = pTable->findItems(strText, Qt::MatchExactly);
    if (listItems.isEmpty())
        return;
    const QPoint point = pTable->visualItemRect(listItems.first()).center();
    QPointer<QWidget> pViewport(pTable->viewport());
    SendMouse(pViewport, QEvent::MouseButtonPress, point);
    if (pViewport)
        SendMouse(pViewport, QEvent::MouseButtonRelease, point);
}

const QString s_strEqual = QStringLiteral("The start time should not be equal with the end time.");
const QString s_strEarlier = QStringLiteral("The start time should be earlier than the end time.");

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

Q_DECLARE_METATYPE(Case)

// The time grids, fields and pop-ups, and the two-sided range panel with its fields.

class TestPickers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        CloseNotices();
    }

    void monthGrid()
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

    void releaseChoosesTheMonth_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QDate>("expected");
        QTest::newRow("1") << 0 << 0 << QDate(2016, 1, 1);
        QTest::newRow("12") << 1 << 5 << QDate(2016, 12, 1);
    }

    void releaseChoosesTheMonth()
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

    void form()
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

    void flagsShowTheirParts_data()
    {
        QTest::addColumn<int>("iFlags");
        QTest::addColumn<bool>("bTime");
        QTest::addColumn<bool>("bDay");
        QTest::addColumn<bool>("bMonth");
        QTest::newRow("time") << 1 << true << false << false;
        QTest::newRow("day") << 2 << false << true << false;
        QTest::newRow("month") << 4 << false << false << true;
        QTest::newRow("every bit") << -1 << true << true << true;
        QTest::newRow("day and unknown bits") << (2 | 0x100) << false << true << false;
    }

    void flagsShowTheirParts()
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

    void confirm_data()
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
    }

    void confirm()
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
        QTEST(ShownNotice(), "strNotice");
        QTEST(Emitted(iFlags & CBeginEndCalendarWidget::TimeFlag ? spyDateTime : spyDate), "listReported");
        QCOMPARE(spyConfirm.size(), 1);
    }

    void monthNavigation()
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

        // At a bound the calendar stays put while the label names the month
        // stepped to; a side set to no date shows an empty label.
        panel.SetDateRange(QDate(2017, 1, 1), QDate(2017, 4, 30));
        panel.SetDate(QDate(2017, 1, 20), QDate(2017, 4, 20));
        Part<QToolButton>(&panel, "m_pNextMonthEnd")->click();
        QCOMPARE(Part<CCalendarWidget>(&panel, "m_pEndCalendarWidget")->GetSelectedDate(), QDate(2017, 4, 30));
        QCOMPARE(pEndLabel->text(), QStringLiteral("2017.05"));
        Part<QToolButton>(&panel, "m_pPrevMonthBegin")->click();
        QCOMPARE(pBeginLabel->text(), QStringLiteral("2016.12"));
        panel.SetDate(QDate(), QDate(2017, 3, 2));
        QCOMPARE(pBeginLabel->text(), QString());
        QCOMPARE(pEndLabel->text(), QStringLiteral("2017.03"));
    }

    void timeGridsOfTheTwoSides()
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
        PressCell(listMinutes.first()->findChild<QTableWidget*>(), QStringLiteral("5"));
        QCOMPARE(pEndEdit->time(), QTime(18, 5, 30));
        QCOMPARE(pBeginEdit->time(), QTime(8, 15, 0));

        // A press on the panel itself closes the grids.
        SendMouse(&panel, QEvent::MouseButtonPress, QPoint(2, 2));
        QVERIFY(!listMinutes.first()->isVisible());
    }

    void rangeEditTexts()
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

    void rangeEditPopupTogglesAndConfirms()
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
        SendMouse(pPopup, QEvent::MouseButtonPress, QPoint(-5, -5));
        QVERIFY(!pPopup->isVisible());

        edit.OnShowCalendar();
        QSignalSpy spyChanged(&edit, &CRangeDateEdit::SignalDateChanged);
        QSignalSpy spyFinished(&edit, &CRangeDateEdit::SignalDateSelFinished);

        // A refused range changes nothing; the pop-up still closes.
        Part<CCalendarWidget>(pPopup, "m_pBeginCalendarWidget")->SetSelectedDate(QDate(2017, 4, 20));
        Confirm(*pPopup);
        QCOMPARE(ShownNotice(), s_strEarlier);
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

    void rangeEditsOpenFromTheirCorner_data()
    {
        QTest::addColumn<bool>("withTimes");
        QTest::newRow("dates") << false;
        QTest::newRow("dates and times") << true;
    }

    void rangeEditsOpenFromTheirCorner()
    {
        QFETCH(bool, withTimes);
        QWidget window;
        window.setGeometry(0, 0, 800, 600);
        QLineEdit* pEdit = nullptr;
        std::function<void()> fnOpen;
        if (withTimes) {
            auto* pRange = new CRangeDateTimeEdit(&window);
            fnOpen = [pRange] { pRange->OnShowCalendar(); };
            pEdit = pRange;
        } else {
            auto* pRange = new CRangeDateEdit(&window);
            fnOpen = [pRange] { pRange->OnShowCalendar(); };
            pEdit = pRange;
        }
        pEdit->setGeometry(QRect(QPoint(20, 30), QSize(200, 24)));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // The first opening creates the window, whose position the offscreen
        // platform shifts by its guess of a frame; the next is placed exactly.
        for (int i = 0; i < 3; ++i)
            fnOpen();
        auto* pPopup = pEdit->findChild<CBeginEndCalendarTimePopup*>();
        QVERIFY(pPopup && pPopup->isVisible());
        // The anchor is the pop-up's own size at the field's corner: the
        // pop-up starts at that rectangle's bottom, not right under the field.
        const QPoint ptCorner = pEdit->mapToGlobal(QPoint(0, 0));
        QCOMPARE(pPopup->pos(), ptCorner + QPoint(0, pPopup->height() - 1));
        QVERIFY(pPopup->height() > 100);
    }

    void rangeDateTimeEdit()
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

    void hostileCalls()
    {
        // Invalid dates everywhere; the panel's slots called directly, with no sender.
        CBeginEndCalendarWidget panel(nullptr, true);
        panel.SetDate(QDate(), QDate());
        panel.SetDateTime(QDateTime(), QDateTime());
        panel.SetDateTimeRange(QDateTime(), QDateTime());
        QSignalSpy spyConfirm(&panel, &CBeginEndCalendarWidget::SignalClickedConfirmBtn);
        Confirm(panel);
        CloseNotices();
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

    void deletingSlot_data()
    {
        QTest::addColumn<Case>("run");
        const auto openRange = [](auto* p) { p->OnShowCalendar(); };
        QTest::newRow("grid pressed") << Deletes<CMinuteTimeEditPopup>(
            &CMinuteTimeEditPopup::SignalTimeChanged, {}, [](auto* p) {
            PressCell(p->template findChild<QTableWidget*>(), QStringLiteral("40"));
        });
        QTest::newRow("time field clicked") << Deletes<CTimeEdit>(&CTimeEdit::SignalClicked, {}, [](CTimeEdit* p) {
            SendMouse(p->findChild<QLineEdit*>(), QEvent::MouseButtonPress, QPoint(2, 2));
            SendMouse(p->findChild<QLineEdit*>(), QEvent::MouseButtonRelease, QPoint(2, 2));
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
        QTest::newRow("date-time range field changed") << Deletes<CRangeDateTimeEdit>(
            &CRangeDateTimeEdit::SignalDateTimeChanged, [](auto* p) {
            p->SetDateTimeRange(QDateTime(QDate(2017, 4, 11), QTime(8, 0)), QDateTime(QDate(2017, 4, 11), QTime(9, 0)));
            p->OnShowCalendar();
            Part<CTimeEdit>(p, "m_pEndTimeEdit")->setTime(QTime(10, 0));
        }, ConfirmPopupOf<CRangeDateTimeEdit>);
        QTest::newRow("date-time range field finished") << Deletes<CRangeDateTimeEdit>(
            &CRangeDateTimeEdit::SignalDateSelFinished, openRange, ConfirmPopupOf<CRangeDateTimeEdit>);
        QTest::newRow("calendar pop-up activated") << Deletes<CCalendarTimePopup>(
            &CCalendarTimePopup::activated, {}, [](auto* p) { p->dateSelected(QDate(2017, 4, 11)); });
        QTest::newRow("calendar pop-up browsed") << Deletes<CCalendarTimePopup>(
            &CCalendarTimePopup::newDateSelected, {}, [](auto* p) {
            p->GetCalendarWidget()->SetSelectedDate(QDate(2017, 4, 12));
        });
        QTest::newRow("calendar pop-up released") << Deletes<CCalendarTimePopup>(
            &CCalendarTimePopup::resetButton, {}, [](auto* p) {
            SendMouse(p, QEvent::MouseButtonRelease, QPoint(3, 3));
        });
        // Hiding is reported from the hide event, where only a later deletion is safe.
        QTest::newRow("calendar pop-up hiding") << Case([](QWidget* pParent) {
            auto* pPopup = new CCalendarTimePopup(pParent);
            pPopup->show();
            QObject::connect(pPopup, &CCalendarTimePopup::hidingCalendar, pPopup, [pPopup] { pPopup->deleteLater(); });
            QTest::keyClick(pPopup, Qt::Key_Escape);
        });
    }

    void deletingSlot()
    {
        QFETCH(Case, run);
        QWidget parent;
        parent.show();
        run(&parent);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(parent.findChildren<QWidget*>().size() <= 1);
    }

    void grids_data()
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

    void grids()
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

    void gridValue()
    {
        CMinuteTimeEditPopup popup;
        QTableWidget* pTable = GridOf(&popup);
        QList<QPoint> listCells;
        // A value without a cell leaves no current cell.
        const QString strHuge(1 << 20, QLatin1Char('5'));
        for (const QString& strValue : {QStringLiteral("40"), QStringLiteral("37"), QString(), strHuge}) {
            pTable->setCurrentCell(0, 3);
            popup.SetValue(strValue);
            listCells << QPoint(pTable->currentColumn(), pTable->currentRow());
            QVERIFY(pTable->selectedItems().size() <= 1);
        }
        QCOMPARE(listCells, (QList<QPoint>{QPoint(2, 1), QPoint(-1, -1), QPoint(-1, -1), QPoint(-1, -1)}));
    }

    void timeEditChangesOnlyItsSection_data()
    {
        QTest::addColumn<int>("iSection");
        QTest::addColumn<int>("iValue");
        QTest::addColumn<QTime>("timeExpected");
        QTest::newRow("hour") << int(QDateTimeEdit::HourSection) << 22 << QTime(22, 37, 15);
        QTest::newRow("minute") << int(QDateTimeEdit::MinuteSection) << 40 << QTime(8, 40, 15);
        QTest::newRow("second") << int(QDateTimeEdit::SecondSection) << 5 << QTime(8, 37, 5);
        // Values out of the section's range change nothing.
        QTest::newRow("hour 24") << int(QDateTimeEdit::HourSection) << 24 << QTime(8, 37, 15);
        QTest::newRow("second 60") << int(QDateTimeEdit::SecondSection) << 60 << QTime(8, 37, 15);
    }

    void timeEditChangesOnlyItsSection()
    {
        CTimeEdit edit(QTime(8, 37, 15));
        QCOMPARE(edit.displayFormat(), QStringLiteral("hh:mm:ss"));
        QFETCH(int, iSection);
        edit.setCurrentSection(QDateTimeEdit::Section(iSection));
        QFETCH(int, iValue);
        edit.OnChangeTime(iValue);
        QTEST(edit.time(), "timeExpected");
    }

    void timeEditReportsClicks()
    {
        CTimeEdit edit;
        QSignalSpy spy(&edit, &CTimeEdit::SignalClicked);
        ClickSection(&edit, QDateTimeEdit::MinuteSection);
        QCOMPARE(spy.size(), 1);
        SendMouse(edit.findChild<QLineEdit*>(), QEvent::MouseButtonPress, QPoint(2, 2));
        QCOMPARE(spy.size(), 1);
    }

    void panelOpensTheGridOfTheSection_data()
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

    void panelOpensTheGridOfTheSection()
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
        PressCell(GridOf(pGrid), QString::number(iPressed));
        QTEST(pEdit->time(), "timeExpected");

        // A click on the calendar closes the grids, and hiding the panel takes them along.
        panel.findChild<CCalendarWidget*>()->SignalClicked(QDate(2017, 4, 12));
        QVERIFY(!pGrid->isVisible());
        ClickSection(pEdit, QDateTimeEdit::Section(iSection));
        panel.hide();
        QVERIFY(!pGrid->isVisibleTo(&panel));
    }

    void panelButtons()
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
        QCOMPARE(Emitted(spyChanged), Emissions{{QDateTime(QDate(2017, 4, 11), QTime(9, 30, 0))}});
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

    void dateTimeEditConstructors()
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

    void dateTimeEditPopup()
    {
        CDateTimeEdit edit(QDateTime(QDate(2017, 4, 11), QTime(8, 30, 0)));
        edit.setDateRange(QDate(2017, 1, 1), QDate(2017, 12, 31));
        edit.move(100, 100);
        edit.show();
        SendMouse(&edit, QEvent::MouseButtonPress, QPoint(edit.width() - 4, edit.height() / 2));
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

    void editsOpenOnAnyPress_data()
    {
        QTest::addColumn<int>("iButton");
        QTest::addColumn<bool>("bCalendarPopup");
        QTest::addColumn<int>("iCursor");
        QTest::newRow("left, calendar pop-up") << int(Qt::LeftButton) << true << 0;
        QTest::newRow("right, calendar pop-up") << int(Qt::RightButton) << true << 0;
        QTest::newRow("left, no calendar pop-up") << int(Qt::LeftButton) << false << 4;
        QTest::newRow("middle, no calendar pop-up") << int(Qt::MiddleButton) << false << 4;
    }

    void editsOpenOnAnyPress()
    {
        QFETCH(int, iButton);
        QFETCH(bool, bCalendarPopup);
        const auto enumButton = Qt::MouseButton(iButton);
        CDateTimeEdit dateTimeEdit(QDateTime(QDate(2017, 4, 11), QTime(8, 30, 0)));
        CYearMonthDayEdit dayEdit(QDate(2017, 4, 11));
        dateTimeEdit.setCalendarPopup(bCalendarPopup);
        dayEdit.setCalendarPopup(bCalendarPopup);
        dateTimeEdit.show();
        dayEdit.show();
        dateTimeEdit.findChild<QLineEdit*>()->setCursorPosition(4);
        SendMouse(&dateTimeEdit, QEvent::MouseButtonPress, QPoint(dateTimeEdit.width() - 4, 4), enumButton);
        SendMouse(&dayEdit, QEvent::MouseButtonPress, QPoint(dayEdit.width() - 4, 4), enumButton);
        auto* pComplex = dateTimeEdit.findChild<CComplexCalendarTimePopup*>();
        auto* pDays = dayEdit.findChild<CCalendarTimePopup*>();
        QVERIFY(pComplex && pComplex->isVisible());
        QVERIFY(pDays && pDays->isVisible());
        QTEST(dateTimeEdit.findChild<QLineEdit*>()->cursorPosition(), "iCursor");
        QCOMPARE(dateTimeEdit.dateTime(), QDateTime(QDate(2017, 4, 11), QTime(8, 30, 0)));
        QCOMPARE(dayEdit.date(), QDate(2017, 4, 11));
    }

    void yearMonthDayPopup()
    {
        CYearMonthDayEdit edit(QDate(2017, 4, 11));
        edit.show();
        SendMouse(&edit, QEvent::MouseButtonPress, QPoint(edit.width() - 4, edit.height() / 2));
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

    void calendarPopupRestoresOnClose()
    {
        CCalendarTimePopup popup;
        QCOMPARE(popup.size(), popup.GetCalendarWidget()->size());
        QSignalSpy spyHiding(&popup, &CCalendarTimePopup::hidingCalendar);
        QSignalSpy spyReset(&popup, &CCalendarTimePopup::resetButton);
        QSignalSpy spyNew(&popup, &CCalendarTimePopup::newDateSelected);
        // Moving the calendar to another day marks a change like a pick, and
        // reopening on the same day keeps the mark: closing reports nothing.
        popup.SetDate(QDate(2017, 4, 11));
        QCOMPARE(QList<QList<QVariant>>(spyNew), (QList<QList<QVariant>>{{QDate(2017, 4, 11)}}));
        popup.show();
        popup.hide();
        popup.SetDate(QDate(2017, 4, 11));
        popup.show();
        popup.hide();
        QCOMPARE(spyHiding.size(), 0);
        QCOMPARE(spyReset.size(), 2);

        popup.show();
        spyNew.clear();
        // Browsing marks a pick; Escape takes the mark back, so closing reports
        // the date the pop-up opened on.
        popup.GetCalendarWidget()->SetSelectedDate(QDate(2017, 4, 15));
        QCOMPARE(QList<QList<QVariant>>(spyNew), (QList<QList<QVariant>>{{QDate(2017, 4, 15)}}));
        QTest::keyClick(&popup, Qt::Key_Escape);
        QVERIFY(!popup.isVisible());
        QCOMPARE(spyReset.size(), 3);
        QCOMPARE(QList<QList<QVariant>>(spyHiding), (QList<QList<QVariant>>{{QDate(2017, 4, 11)}}));

        // Without the mark, reopening on the shown day reports it as the old one.
        popup.SetDate(QDate(2017, 4, 15));
        popup.show();
        popup.hide();
        QCOMPARE(spyHiding.size(), 2);
        QCOMPARE(spyHiding.last(), QList<QVariant>({QDate(2017, 4, 15)}));

        // Closed after a pick: no way back.
        popup.SetDate(QDate(2017, 4, 11));
        popup.show();
        popup.GetCalendarWidget()->SetSelectedDate(QDate(2017, 4, 16));
        popup.hide();
        QCOMPARE(spyHiding.size(), 2);
        QCOMPARE(spyReset.size(), 5);

    }

    void nullArguments()
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
};

QTEST_MAIN(TestPickers)
#include "tst_pickers.moc"
