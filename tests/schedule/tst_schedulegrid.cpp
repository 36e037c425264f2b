#include "ScheduleTestSupport.h"

#include "schedule/GraphicsView.h"
#include "schedule/ScheduleDayScene.h"
#include "schedule/ScheduleDaySelect.h"
#include "schedule/ScheduleTimeItem.h"

#include <QtCore/QPointer>
#include <QtTest/QtTest>
#include <QtWidgets/QButtonGroup>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QLineEdit>

#include <memory>

using namespace OrvaGUIToolkit;
using namespace ScheduleTest;

namespace {

// A day row of the editor's size with steps of iStepValue / 576 pixels.
std::unique_ptr<ScheduleDayScene> MakeDay(int iStepValue)
{
    auto pScene = std::make_unique<ScheduleDayScene>(0, 0, 576, 14);
    pScene->SetMoveStep(iStepValue);
    pScene->SetResizeStep(iStepValue);
    return pScene;
}

} // namespace

class tst_ScheduleGrid : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void timeAndX()
    {
        // 2.5 minutes a pixel: times round to the nearest pixel, pixels truncate to the minute.
        auto pScene = MakeDay(0);
        QList<int> lstX;
        for (const QTime& time : {T(0, 1), T(0, 2), T(12, 30, 59), T(23, 59)})
            lstX << pScene->TimeToX(time);
        QCOMPARE(lstX, (QList<int>{0, 1, 300, 576}));
        QList<QTime> lstTimes;
        for (int iX : {1, 575, 576})
            lstTimes << ScheduleTimeItem::XToTime(iX, 576);
        // The right edge is the end of the day.
        QCOMPARE(lstTimes, (QList<QTime>{T(0, 2), T(23, 57), T(23, 59, 59)}));
    }

    void itemRectSnapsOutward()
    {
        auto pScene = MakeDay(1800);
        auto* pItem = new ScheduleTimeItem(3, 3, pScene.get());
        pScene->addItem(pItem);
        QSignalSpy spyMoved(pItem, &QGraphicsObject::xChanged);
        pItem->SetItemRect(10, 5);
        QCOMPARE(QPoint(int(pItem->pos().x()), pItem->GetWidth()), QPoint(9, 6));
        const int iMoves = spyMoved.count();
        // Placing it again at the same spot still signals a geometry change.
        pItem->SetItemRect(10, 5);
        QVERIFY(spyMoved.count() > iMoves);
        pItem->SetItemRect(575, 1);
        QCOMPARE(QPoint(int(pItem->pos().x()), pItem->GetWidth()), QPoint(573, 3));
    }

    void typeColours()
    {
        QList<QColor> lstColors;
        for (int iType : {1, 2, 3, 16, -7})
            lstColors.append(ScheduleTimeItem::TypeColor(iType));
        // Unknown types take the colour of type 2.
        QCOMPARE(lstColors, (QList<QColor>{QColor(93, 128, 248), QColor(197, 113, 45), QColor(142, 212, 99),
                                           QColor(0xa0, 0xaa, 0xde), QColor(197, 113, 45)}));
    }

    void moveAndResizeStopAtNeighboursAndOneStep_data()
    {
        QTest::addColumn<qreal>("dFrom");
        QTest::addColumn<qreal>("dTo");
        QTest::addColumn<QString>("strTimes");
        // The bar dragged is 12:00-14:00 (288..336), between 04:00-06:00 and 20:00-22:00.
        QTest::newRow("move: partial step rounds away from zero") << 300.0 << 301.0 << "12:07:00-14:07:00";
        QTest::newRow("move: stops at the left neighbour") << 300.0 << 10.0 << "06:00:00-08:00:00";
        QTest::newRow("move: stops at the right neighbour") << 300.0 << 570.0 << "18:00:00-20:00:00";
        QTest::newRow("right edge never below one step") << 335.0 << 0.0 << "12:00:00-12:07:00";
        QTest::newRow("left edge never below one step") << 288.5 << 575.0 << "13:52:00-14:00:00";
        QTest::newRow("left edge stops at the neighbour") << 288.5 << 0.0 << "06:00:00-14:00:00";
        QTest::newRow("right edge stops at the neighbour") << 335.0 << 700.0 << "12:00:00-20:00:00";
    }

    void moveAndResizeStopAtNeighboursAndOneStep()
    {
        QFETCH(qreal, dFrom);
        QFETCH(qreal, dTo);
        auto pScene = MakeDay(1800);
        QVERIFY(pScene->AddTimeItem(T(4, 0), T(6, 0), 1));
        QVERIFY(pScene->AddTimeItem(T(12, 0), T(14, 0), 2));
        QVERIFY(pScene->AddTimeItem(T(20, 0), T(22, 0), 1));
        DragScene(pScene.get(), QPointF(dFrom, 7), QPointF(dTo, 7));
        QTEST(Times(pScene->GetItemsInOrder().at(1), true), "strTimes");
        QVERIFY(pScene->IsModified());
    }

    void onePixelBarAtEdgeGrowsInward_data()
    {
        QTest::addColumn<int>("iX");
        QTest::addColumn<qreal>("dTo");
        QTest::addColumn<int>("iLeft");
        QTest::addColumn<int>("iWidth");
        QTest::newRow("at midnight, dragged right") << 0 << 20.0 << 0 << 20;
        QTest::newRow("at the last pixel, dragged left") << 575 << 560.0 << 560 << 16;
    }

    void onePixelBarAtEdgeGrowsInward()
    {
        QFETCH(int, iX);
        QFETCH(qreal, dTo);
        auto pScene = MakeDay(0);
        auto* pItem = new ScheduleTimeItem(1, 1, pScene.get());
        pScene->addItem(pItem);
        pItem->SetItemRect(iX, 1);
        QCOMPARE(pItem->CursorShapeAt(QPointF(0.5, 7)), Qt::SizeHorCursor);
        DragScene(pScene.get(), QPointF(iX + 0.5, 7), QPointF(dTo, 7));
        QTEST(int(pItem->pos().x()), "iLeft");
        QTEST(pItem->GetWidth(), "iWidth");
    }

    void pressWithoutMoveAndReadOnlyBars()
    {
        auto pScene = MakeDay(1800);
        QVERIFY(pScene->AddTimeItem(T(8, 0), T(12, 30), 1));
        ScheduleTimeItem* pItem = pScene->GetItemsInOrder().first();
        // A bar 108 pixels wide: two-pixel edge strips, the body between them.
        QList<Qt::CursorShape> lstShapes;
        for (qreal dX : {2.0, 2.5, 106.5})
            lstShapes << pItem->CursorShapeAt(QPointF(dX, 7));
        QCOMPARE(lstShapes, (QList<Qt::CursorShape>{Qt::SizeHorCursor, Qt::OpenHandCursor, Qt::SizeHorCursor}));
        QSignalSpy spyChange(pScene.get(), &ScheduleDayScene::SignalTimeItemChange);
        SendSceneMouse(pScene.get(), QEvent::GraphicsSceneMousePress, QPointF(250, 7), QPointF(250, 7));
        SendSceneMouse(pScene.get(), QEvent::GraphicsSceneMouseRelease, QPointF(250, 7), QPointF(250, 7));
        QCOMPARE(QList<QList<QVariant>>(spyChange), (QList<QList<QVariant>>{{T(8, 0), T(12, 30), QPoint(350, 207)}}));
        QVERIFY(!pScene->IsModified());
        QCOMPARE(pScene->selectedItems().size(), 1);

        // A read-only bar is selected but never moves.
        pScene->SetEditable(false);
        pItem->setSelected(false);
        QCOMPARE(pItem->CursorShapeAt(QPointF(0.5, 7)), Qt::ArrowCursor);
        DragScene(pScene.get(), QPointF(240, 7), QPointF(400, 7));
        QCOMPARE(Times(pItem), QStringLiteral("08:00-12:30"));
        QVERIFY(pItem->isSelected());
        QVERIFY(!pScene->IsModified());
    }

    void drawing_data()
    {
        QTest::addColumn<qreal>("dFrom");
        QTest::addColumn<qreal>("dTo");
        QTest::addColumn<QString>("strTimes");
        QTest::newRow("right to left") << 300.0 << 200.0 << "08:20:00-12:30:00";
        QTest::newRow("stops at the neighbour's left edge") << 100.0 << 170.0 << "04:10:00-06:00:00";
        QTest::newRow("stops at the neighbour's right edge") << 260.0 << 150.0 << "08:00:00-10:50:00";
        QTest::newRow("past the day's end") << 500.0 << 900.0 << "20:50:00-23:59:59";
    }

    void drawing()
    {
        QFETCH(qreal, dFrom);
        QFETCH(qreal, dTo);
        auto pScene = MakeDay(0);
        pScene->OnTypeChange(ScheduleData::Event);
        QVERIFY(pScene->AddTimeItem(T(6, 0), T(8, 0), 1));
        DragScene(pScene.get(), QPointF(dFrom, 7), QPointF(dTo, 7));
        const auto lstItems = pScene->GetItemsInOrder();
        QCOMPARE(lstItems.size(), 2);
        QTEST(Times(lstItems.at(1), true), "strTimes");
        QCOMPARE(lstItems.at(1)->GetItemType(), 2);
        QVERIFY(pScene->IsModified());
    }

    void drawingStopsAtMaximum()
    {
        auto pScene = MakeDay(0);
        pScene->SetMaxItemNum(2);
        QVERIFY(pScene->AddTimeItem(T(1, 0), T(2, 0), 1));
        QVERIFY(pScene->AddTimeItem(T(3, 0), T(4, 0), 1));
        DragScene(pScene.get(), QPointF(300, 7), QPointF(400, 7));
        QCOMPARE(pScene->GetItemsInOrder().size(), 2);
        // Lowered below what the row holds, only equality blocks drawing.
        pScene->SetMaxItemNum(1);
        DragScene(pScene.get(), QPointF(300, 7), QPointF(400, 7));
        QCOMPARE(pScene->GetItemsInOrder().size(), 3);
    }

    void badSpans_data()
    {
        QTest::addColumn<QTime>("start");
        QTest::addColumn<QTime>("stop");
        QTest::addColumn<QString>("strWarning");
        QTest::addColumn<QString>("strLeft");
        // The row holds 10:00-12:00; spans over it are placed as given.
        QTest::newRow("invalid stop") << T(1, 0) << QTime(25, 0)
                                      << "ScheduleDayScene::AddTimeItem: !timeStart.isValid() || !timeStop.isValid()" << "";
        QTest::newRow("stop before start") << T(9, 0) << T(8, 0) << QString() << "";
        QTest::newRow("empty span") << T(9, 0) << T(9, 0) << QString() << "";
        QTest::newRow("inside a stored span") << T(10, 30) << T(11, 30) << QString() << "10:30-11:30";
        QTest::newRow("overlapping the start of one") << T(8, 0) << T(11, 0) << QString() << "08:00-11:00";
        QTest::newRow("overlapping the end of one") << T(11, 0) << T(13, 0) << QString() << "11:00-13:00";
        QTest::newRow("over a whole one") << T(9, 0) << T(13, 0) << QString() << "09:00-13:00";
    }

    void badSpans()
    {
        QFETCH(QTime, start);
        QFETCH(QTime, stop);
        QFETCH(QString, strWarning);
        QFETCH(QString, strLeft);
        ScheduleDayScene scene(0, 0, 576, 14);
        QVERIFY(scene.AddTimeItem(T(10, 0), T(12, 0), 1));
        if (!strWarning.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, qPrintable(strWarning));
        QCOMPARE(scene.AddTimeItem(start, stop, 2), !strLeft.isEmpty());
        const auto lstItems = scene.GetItemsInOrder();
        QCOMPARE(lstItems.size(), strLeft.isEmpty() ? 1 : 2);
        if (!strLeft.isEmpty())
            QCOMPARE(Times(lstItems.last()), strLeft);
    }

    void barDeletedByItsOwnSignal()
    {
        ScheduleDayScene scene(0, 0, 576, 14);
        QVERIFY(scene.AddTimeItem(T(8, 0), T(12, 0), 1));
        ScheduleTimeItem* pItem = scene.GetItemsInOrder().first();
        QObject::connect(pItem, &ScheduleTimeItem::SignalTimeItemChange, pItem, [pItem] { delete pItem; });
        SendSceneMouse(&scene, QEvent::GraphicsSceneMousePress, QPointF(240, 7), QPointF(240, 7));
        SendSceneMouse(&scene, QEvent::GraphicsSceneMouseRelease, QPointF(240, 7), QPointF(240, 7));
        QCOMPARE(scene.GetItemsInOrder().size(), 0);
    }

    void rows()
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
    }

    void weekRoundTrip()
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

    void loadLimit_data()
    {
        QTest::addColumn<int>("iMax");
        QTest::addColumn<int>("iLoaded");
        QTest::addColumn<int>("iRowMax");
        QTest::newRow("3") << 3 << 3 << 3;
        QTest::newRow("past what a row takes") << 9 << 9 << 8;
        QTest::newRow("negative") << -1 << 0 << 8;
    }

    void loadLimit()
    {
        QFETCH(int, iMax);
        QFETCH(int, iLoaded);
        // The frame loads up to its own value; a row keeps only 0 to 8.
        ScheduleFrame frame;
        frame.SetMaxItemNum(iMax);
        QTEST(frame.GetScene(0)->GetMaxItemNum(), "iRowMax");
        Week week = EmptyWeek();
        for (int i = 0; i < 9; ++i)
            week[3].push_back(Span(T(i, 0), T(i, 30)));
        if (iLoaded < 9)
            QTest::ignoreMessage(QtWarningMsg,
                                 qPrintable(QStringLiteral("ScheduleFrame::SetData: day 3 holds more than %1 spans").arg(iMax)));
        frame.SetData(week);
        QCOMPARE(int(frame.GetData().value(3).size()), iLoaded);
    }

    void copyDay()
    {
        ScheduleFrame frame;
        Week week = EmptyWeek();
        week[0] = {Span(T(20, 0), T(22, 0), ScheduleData::Event), Span(T(8, 0), T(9, 0))};
        week[1] = {Span(T(1, 0), T(2, 0))};
        frame.SetData(week);
        // The same day, no source day and no such day change nothing.
        for (const QPoint& ptCopy : {QPoint(0, 1), QPoint(-1, 2), QPoint(0, 9)})
            frame.OnCopy(ptCopy.x(), ptCopy.y());
        QCOMPARE(frame.GetData(), week);
        QVERIFY(!frame.IsModified());
        // The copy replaces what the target day held.
        frame.OnCopy(0, 2);
        week[1] = week[0];
        QCOMPARE(frame.GetData(), week);
        QVERIFY(frame.IsModified());
    }

    void dayButtonSelectsTheWholeDay()
    {
        ScheduleFrame frame;
        Week week = EmptyWeek();
        week[1] = {Span(T(5, 0), T(6, 0))};
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

        // Delete reaches every row, but only the selected row deletes its selected bars.
        frame.GetDayButton(4)->click();
        frame.GetScene(1)->GetItemsInOrder().first()->setSelected(true);
        QSignalSpy spyDeleted(frame.GetScene(4), &ScheduleDayScene::SignalTimeItemDeleteSelect);
        Q_EMIT frame.SignalDeleteSelectItem();
        QCOMPARE(frame.GetData().value(4).size(), size_t(0));
        QCOMPARE(frame.GetData().value(1).size(), size_t(1));
        QCOMPARE(spyDeleted.count(), 1);
        QVERIFY(frame.IsModified());
        frame.ClearDaySelection();
        // The day stays current for Copy to; only the row selection goes.
        QCOMPARE(frame.GetCurrentDay(), 5);
        QVERIFY(!frame.GetScene(4)->IsSelected());
        QVERIFY(!frame.GetDayButton(4)->font().underline());
    }

    void deleteOnTheSelectedRowOnly_data()
    {
        QTest::addColumn<bool>("bSelectRow");
        QTest::addColumn<int>("iDeleted");
        QTest::addColumn<bool>("bModified");
        // The selected row answers even when it has no bar to delete.
        QTest::newRow("selected empty row") << true << 1 << true;
        QTest::newRow("no row selected") << false << 0 << false;
    }

    void deleteOnTheSelectedRowOnly()
    {
        QFETCH(bool, bSelectRow);
        ScheduleFrame frame;
        Week week = EmptyWeek();
        week[1] = {Span(T(5, 0), T(6, 0))};
        frame.SetData(week);
        if (bSelectRow)
            frame.GetDayButton(3)->click();
        QSignalSpy spyDeleted(frame.GetScene(3), &ScheduleDayScene::SignalTimeItemDeleteSelect);
        Q_EMIT frame.SignalDeleteSelectItem();
        QTEST(int(spyDeleted.count()), "iDeleted");
        QTEST(frame.IsModified(), "bModified");
        QCOMPARE(frame.GetData(), week);
    }

    void timeTipShowsTheSpan()
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

    void daySelectPopupCopiesToCheckedDays()
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
        QButtonGroup* pGroup = popup.GetButtonGroup();
        QVERIFY(pGroup->button(1)->isChecked() && !pGroup->button(1)->isEnabled());
        // The all box follows the days and sets them all; the current day stays checked.
        for (int iId : {2, 3, 4, 5, 6, 7, 8})
            pGroup->button(iId)->setChecked(true);
        QVERIFY(popup.GetAllCheckBox()->isChecked());
        pGroup->button(4)->setChecked(false);
        QVERIFY(!popup.GetAllCheckBox()->isChecked());
        popup.GetAllCheckBox()->setChecked(true);
        QVERIFY(pGroup->button(4)->isChecked());
        popup.GetAllCheckBox()->setChecked(false);
        QVERIFY(pGroup->button(1)->isChecked() && !pGroup->button(2)->isChecked());

        popup.show();
        pGroup->button(3)->setChecked(true);
        pGroup->button(8)->setChecked(true);
        popup.GetOkButton()->click();
        QCOMPARE(QList<QList<QVariant>>(spyDays), (QList<QList<QVariant>>{{3}, {8}}));
        QVERIFY(!popup.isVisible());
        Week expected = week;
        expected[2] = week[0];
        expected[7] = week[0];
        QCOMPARE(frame.GetData(), expected);
    }

    void lockedViewKeepsTheMouseAway()
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

    void viewCursors()
    {
        auto pScene = MakeDay(0);
        QVERIFY(pScene->AddTimeItem(T(8, 0), T(12, 0), 1));
        CGraphicsView view(pScene.get());
        view.setFixedSize(576, 14);
        view.SetLocked(false);
        view.SetCursor(QCursor(Qt::CrossCursor));
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const auto shapes = [&view] { return qMakePair(view.cursor().shape(), view.viewport()->cursor().shape()); };
        const auto both = [](Qt::CursorShape enumShape) { return qMakePair(enumShape, enumShape); };

        // Over empty space the view shows its stored cursor.
        QMouseEvent move(QEvent::MouseMove, QPointF(400, 7), QPointF(view.viewport()->mapToGlobal(QPoint(400, 7))),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(view.viewport(), &move);
        QCOMPARE(shapes(), both(Qt::CrossCursor));

        // A bar grabbed by its body closes the hand on the view under the mouse.
        view.setAttribute(Qt::WA_UnderMouse, true);
        SendSceneMouse(pScene.get(), QEvent::GraphicsSceneMousePress, QPointF(240, 7), QPointF(240, 7));
        QCOMPARE(shapes(), both(Qt::ClosedHandCursor));
        SendSceneMouse(pScene.get(), QEvent::GraphicsSceneMouseRelease, QPointF(240, 7), QPointF(240, 7));
        QCOMPARE(shapes(), both(Qt::OpenHandCursor));

        // Leaving drops the cursor, locked or not.
        for (bool bLocked : {false, true}) {
            view.SetLocked(bLocked);
            view.setCursor(Qt::CrossCursor);
            view.viewport()->setCursor(Qt::CrossCursor);
            view.setAttribute(Qt::WA_UnderMouse, false);
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(&view, &leave);
            QCOMPARE(shapes(), both(Qt::ArrowCursor));
        }
    }

    void badWeeks_data()
    {
        QTest::addColumn<int>("iKey");
        QTest::addColumn<int>("iSpans");
        QTest::addColumn<QString>("strWarning");
        QTest::addColumn<int>("iLoaded");
        QTest::newRow("holiday without its row") << 7 << 1 << "ScheduleFrame::SetData: no day row 7" << 0;
        QTest::newRow("nine spans") << 2 << 9 << "ScheduleFrame::SetData: day 2 holds more than 8 spans" << 8;
    }

    void badWeeks()
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

    void popupDeletedByItsOwnSignal()
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
};

QTEST_MAIN(tst_ScheduleGrid)
#include "tst_schedulegrid.moc"
