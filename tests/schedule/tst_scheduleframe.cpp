#include "ScheduleTestSupport.h"

#include "schedule/GraphicsView.h"
#include "schedule/ScheduleDayScene.h"
#include "schedule/ScheduleDaySelect.h"
#include "schedule/ScheduleFrame.h"
#include "schedule/ScheduleTimeItem.h"

#include <QtWidgets/QButtonGroup>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtCore/QPointer>
#include <QtTest/QtTest>

#include <climits>

using namespace OrvaGUIToolkit;
using namespace ScheduleTest;

class tst_ScheduleFrame : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rows();
    void weekRoundTrip();
    void drawnWeekReadsBack();
    void copyDay_data();
    void copyDay();
    void dayButtonSelectsTheWholeDay();
    void timeTipShowsTheSpan();
    void daySelectAllBox();
    void daySelectReportsCheckedDays();
    void lockedViewKeepsTheMouseAway();
    void badWeeks_data();
    void badWeeks();
    void popupDeletedByItsOwnSignal();
};

void tst_ScheduleFrame::rows()
{
    ScheduleFrame frame;
    QCOMPARE(frame.GetRowCount(), 7);
    const QWidget* pOuter = frame.GetView(0)->parentWidget();
    QCOMPARE(pOuter->objectName(), QStringLiteral("pScheduleOuter"));
    QCOMPARE(pOuter->size(), QSize(635, 44));
    QCOMPARE(frame.GetDayButton(0)->size(), QSize(50, 34));
    QCOMPARE(frame.GetTimeTip()->size(), QSize(80, 22));
    frame.AddHolidayRow();
    QCOMPARE(frame.GetRowCount(), 8);
    QCOMPARE(frame.GetDayButton(7)->text(), QStringLiteral("Holiday"));
    // The day buttons stand left of their rows.
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    QPushButton* pMonday = frame.GetDayButton(0);
    QVERIFY(pMonday->mapTo(&frame, QPoint(pMonday->width(), 0)).x() <= pOuter->x());
}

void tst_ScheduleFrame::weekRoundTrip()
{
    ScheduleFrame frame;
    frame.AddHolidayRow();
    frame.SetMoveStep(1800);
    frame.SetResizeStep(1800);
    Week week = EmptyWeek(8);
    // Kept in the order given, not sorted by time.
    week[0] = {Span(T(18, 0), T(23, 59, 59), ScheduleData::Event), Span(T(8, 0), T(12, 30))};
    week[2] = {Span(T(0, 0), T(6, 0), ScheduleData::Command)};
    week[5] = {Span(T(7, 30), T(7, 45), ScheduleData::ScheduleItemType(7))};
    week[6] = {Span(T(13, 0), T(13, 30), ScheduleData::IntellRecord), Span(T(13, 30), T(14, 0))};
    week[7] = {Span(T(0, 0), T(23, 59, 59), ScheduleData::Event)};
    frame.SetData(week);
    QCOMPARE(frame.GetData(), week);
    QVERIFY(!frame.IsModified());

    // Empty spans are skipped; spans past the maximum are dropped.
    frame.SetMaxItemNum(3);
    week[1] = {Span(T(1, 0), T(1, 0)), Span(T(0, 0), T(0, 1)), Span(T(2, 0), T(3, 0)), Span(T(4, 0), T(5, 0))};
    frame.SetData(week);
    QCOMPARE(frame.GetData().value(1), std::vector<ScheduleData>{Span(T(2, 0), T(3, 0))});
}

void tst_ScheduleFrame::drawnWeekReadsBack()
{
    ScheduleFrame frame;
    frame.SetEditable(true);
    frame.SetMoveStep(1800);
    frame.SetResizeStep(1800);
    frame.SetData(EmptyWeek());
    Q_EMIT frame.SignalTypeChange(ScheduleData::Event);
    DragScene(frame.GetScene(3), QPointF(192, 7), QPointF(288, 7));
    Q_EMIT frame.SignalTypeChange(ScheduleData::Continuous);
    DragScene(frame.GetScene(3), QPointF(576, 7), QPointF(432, 7));
    Week expected = EmptyWeek();
    expected[3] = {Span(T(8, 0), T(12, 0), ScheduleData::Event), Span(T(18, 0), T(23, 59, 59))};
    QCOMPARE(frame.GetData(), expected);
    QVERIFY(frame.IsModified());
}

void tst_ScheduleFrame::copyDay_data()
{
    QTest::addColumn<int>("iFrom");
    QTest::addColumn<int>("iTo");
    QTest::addColumn<int>("iChangedRow");
    QTest::newRow("Monday to Tuesday replaces Tuesday") << 0 << 2 << 1;
    QTest::newRow("Monday to Monday") << 0 << 1 << -1;
    QTest::newRow("no source day") << -1 << 2 << -1;
    QTest::newRow("no such day") << 0 << 9 << -1;
}

void tst_ScheduleFrame::copyDay()
{
    QFETCH(int, iFrom);
    QFETCH(int, iTo);
    QFETCH(int, iChangedRow);
    ScheduleFrame frame;
    Week week = EmptyWeek();
    week[0] = {Span(T(20, 0), T(22, 0), ScheduleData::Event), Span(T(8, 0), T(9, 0))};
    week[1] = {Span(T(1, 0), T(2, 0))};
    frame.SetData(week);
    frame.OnCopy(iFrom, iTo);
    Week expected = week;
    if (iChangedRow >= 0)
        expected[iChangedRow] = week[0];
    QCOMPARE(frame.GetData(), expected);
    QCOMPARE(frame.IsModified(), iChangedRow >= 0);
}

void tst_ScheduleFrame::dayButtonSelectsTheWholeDay()
{
    ScheduleFrame frame;
    Week week = EmptyWeek();
    week[4] = {Span(T(1, 0), T(2, 0)), Span(T(3, 0), T(4, 0))};
    frame.SetData(week);
    QSignalSpy spySelected(&frame, &ScheduleFrame::SignalScenceSelected);
    frame.GetDayButton(4)->click();
    QCOMPARE(frame.GetCurrentDay(), 5);
    QVERIFY(frame.GetScene(4)->IsSelected());
    QCOMPARE(frame.GetScene(4)->selectedItems().size(), 2);
    QCOMPARE(frame.GetDayButton(4)->objectName(), QStringLiteral("SelectedDayBtn"));
    QVERIFY(frame.GetDayButton(4)->font().underline());

    frame.GetDayButton(2)->click();
    QCOMPARE(spySelected.last().at(0).toBool(), false);
    QVERIFY(!frame.GetScene(4)->IsSelected());
    QVERIFY(!frame.GetDayButton(4)->font().underline());

    // Delete reaches every row, but only the selected one deletes.
    frame.GetDayButton(4)->click();
    Q_EMIT frame.SignalDeleteSelectItem();
    QCOMPARE(frame.GetData().value(4).size(), size_t(0));
    frame.ClearDaySelection();
    QCOMPARE(frame.GetCurrentDay(), 0);
    QVERIFY(!frame.GetScene(4)->IsSelected());
}

void tst_ScheduleFrame::timeTipShowsTheSpan()
{
    ScheduleFrame frame;
    frame.resize(720, 420);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    Week week = EmptyWeek();
    week[2] = {Span(T(8, 0), T(12, 30))};
    frame.SetData(week);
    const QPoint ptGlobal = frame.mapToGlobal(QPoint(300, 100));
    QMetaObject::invokeMethod(frame.GetScene(2), "SignalTimeItemChange", Q_ARG(QTime, T(8, 0)),
                              Q_ARG(QTime, T(12, 30)), Q_ARG(QPoint, ptGlobal));
    QLineEdit* pTip = frame.GetTimeTip();
    QVERIFY(pTip->isVisible());
    QCOMPARE(pTip->text(), QStringLiteral("08:00-12:30"));
    QCOMPARE(pTip->pos(), QPoint(290, frame.GetView(2)->parentWidget()->y() + 45));
    QCOMPARE(frame.GetCurrentDay(), 3);
    QVERIFY(frame.GetScene(2)->IsSelected());
    Q_EMIT frame.GetScene(2)->SignalTimeItemDeleteSelect();
    QVERIFY(!pTip->isVisible());
}

void tst_ScheduleFrame::daySelectAllBox()
{
    ScheduleDaySelect popup(nullptr, false);
    popup.SetCurrentDay(2);
    QButtonGroup* pGroup = popup.GetButtonGroup();
    QCOMPARE(pGroup->buttons().size(), 7);
    QVERIFY(pGroup->button(2)->isChecked() && !pGroup->button(2)->isEnabled());
    for (int iId : {1, 3, 4, 5, 6, 7})
        pGroup->button(iId)->setChecked(true);
    QVERIFY(popup.GetAllCheckBox()->isChecked());
    pGroup->button(4)->setChecked(false);
    QVERIFY(!popup.GetAllCheckBox()->isChecked());
    popup.GetAllCheckBox()->setChecked(true);
    QVERIFY(pGroup->button(4)->isChecked());
    popup.GetAllCheckBox()->setChecked(false);
    QVERIFY(pGroup->button(2)->isChecked());
    QVERIFY(!pGroup->button(1)->isChecked());
}

void tst_ScheduleFrame::daySelectReportsCheckedDays()
{
    ScheduleFrame frame;
    frame.AddHolidayRow();
    Week week = EmptyWeek(8);
    week[0] = {Span(T(6, 0), T(18, 0))};
    frame.SetData(week);
    frame.GetDayButton(0)->click();
    ScheduleDaySelect popup(nullptr, true);
    connect(&popup, SIGNAL(SignalCheckedDay(int)), &frame, SLOT(OnCheckdDay(int)));
    QSignalSpy spyDays(&popup, &ScheduleDaySelect::SignalCheckedDay);
    popup.SetCurrentDay(frame.GetCurrentDay());
    popup.show();
    popup.GetButtonGroup()->button(3)->setChecked(true);
    popup.GetButtonGroup()->button(8)->setChecked(true);
    popup.GetOkButton()->click();
    QCOMPARE(QList<QList<QVariant>>(spyDays), (QList<QList<QVariant>>{{3}, {8}}));
    QVERIFY(!popup.isVisible());
    Week expected = week;
    expected[2] = week[0];
    expected[7] = week[0];
    QCOMPARE(frame.GetData(), expected);
}

void tst_ScheduleFrame::lockedViewKeepsTheMouseAway()
{
    ScheduleFrame frame;
    frame.SetEditable(true);
    frame.SetViewLocked(true);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    QWidget* pViewport = frame.GetView(0)->viewport();
    QTest::mousePress(pViewport, Qt::LeftButton, {}, QPoint(100, 7));
    QTest::mouseMove(pViewport, QPoint(200, 7));
    QTest::mouseRelease(pViewport, Qt::LeftButton, {}, QPoint(200, 7));
    QCOMPARE(frame.GetData().value(0).size(), size_t(0));
}

void tst_ScheduleFrame::badWeeks_data()
{
    QTest::addColumn<int>("iKey");
    QTest::addColumn<int>("iSpans");
    QTest::addColumn<QString>("strWarning");
    QTest::addColumn<int>("iLoaded");
    QTest::newRow("INT_MIN day") << INT_MIN << 1 << "ScheduleFrame::SetData: no day row -2147483648" << 0;
    QTest::newRow("holiday without its row") << 7 << 1 << "ScheduleFrame::SetData: no day row 7" << 0;
    QTest::newRow("nine spans") << 2 << 9 << "ScheduleFrame::SetData: day 2 holds more than 8 spans" << 8;
}

void tst_ScheduleFrame::badWeeks()
{
    QFETCH(int, iKey);
    QFETCH(int, iSpans);
    QFETCH(QString, strWarning);
    ScheduleFrame frame;
    Week week;
    for (int i = 0; i < iSpans; ++i)
        week[iKey].push_back(Span(T(i, 0), T(i, 30)));
    QTest::ignoreMessage(QtWarningMsg, qPrintable(strWarning));
    frame.SetData(week);
    QTEST(int(frame.GetScene(2)->GetItemsInOrder().size()), "iLoaded");
    QCOMPARE(frame.GetData().size(), 7);
}

void tst_ScheduleFrame::popupDeletedByItsOwnSignal()
{
    QPointer<ScheduleDaySelect> pPopup = new ScheduleDaySelect(nullptr, true);
    pPopup->SetCurrentDay(1);
    pPopup->GetAllCheckBox()->setChecked(true);
    int iReported = 0;
    QObject::connect(pPopup.data(), &ScheduleDaySelect::SignalCheckedDay, [&pPopup, &iReported] {
        ++iReported;
        delete pPopup.data();
    });
    pPopup->GetOkButton()->click();
    QVERIFY(pPopup.isNull());
    QCOMPARE(iReported, 1);
}

QTEST_MAIN(tst_ScheduleFrame)
#include "tst_scheduleframe.moc"
