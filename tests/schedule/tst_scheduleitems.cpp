#include "ScheduleTestSupport.h"

#include "schedule/ScheduleDayScene.h"
#include "schedule/ScheduleTimeItem.h"

#include <QtTest/QtTest>

#include <memory>

using namespace OrvaGUIToolkit;
using namespace ScheduleTest;

namespace {

struct Bar
{
    int iX;
    int iWidth;
};

// A day row of the editor's size with steps of iStepValue / 576 pixels.
std::unique_ptr<ScheduleDayScene> MakeDay(int iStepValue)
{
    auto pScene = std::make_unique<ScheduleDayScene>(0, 0, 576, 14);
    pScene->SetMoveStep(iStepValue);
    pScene->SetResizeStep(iStepValue);
    return pScene;
}

QList<Bar> Bars(const ScheduleDayScene& scene)
{
    QList<Bar> lstBars;
    const auto lstItems = scene.GetItemsInOrder();
    for (const ScheduleTimeItem* pItem : lstItems)
        lstBars.append({int(pItem->pos().x()), pItem->GetWidth()});
    return lstBars;
}

} // namespace

class tst_ScheduleItems : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void timeToX_data();
    void timeToX();
    void xToTime_data();
    void xToTime();
    void itemRectSnapsOutward_data();
    void itemRectSnapsOutward();
    void typeColours();
    void hitZones_data();
    void hitZones();
    void moveStopsAtDayEdgeAndNeighbour_data();
    void moveStopsAtDayEdgeAndNeighbour();
    void resizeKeepsOneStepAndNeighbours_data();
    void resizeKeepsOneStepAndNeighbours();
    void onePixelBarAtEdgeGrowsInward_data();
    void onePixelBarAtEdgeGrowsInward();
    void pressWithoutMoveReportsButDoesNotModify();
    void readOnlyBarSelectsButNeverMoves();
    void drawing_data();
    void drawing();
    void drawingStopsAtMaximum();
    void deleteOnlyOnSelectedRow();
};

void tst_ScheduleItems::timeToX_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<int>("iX");
    QTest::newRow("midnight") << T(0, 0) << 0;
    QTest::newRow("one minute rounds down") << T(0, 1) << 0;
    QTest::newRow("two minutes round up") << T(0, 2) << 1;
    QTest::newRow("06:15") << T(6, 15) << 150;
    QTest::newRow("12:30 seconds ignored") << T(12, 30, 59) << 300;
    QTest::newRow("23:59") << T(23, 59) << 576;
    QTest::newRow("23:59:59") << T(23, 59, 59) << 576;
}

void tst_ScheduleItems::timeToX()
{
    QFETCH(QTime, time);
    QTEST(MakeDay(0)->TimeToX(time), "iX");
}

void tst_ScheduleItems::xToTime_data()
{
    QTest::addColumn<int>("iX");
    QTest::addColumn<QTime>("time");
    QTest::newRow("left edge") << 0 << T(0, 0);
    QTest::newRow("2.5 minutes truncated") << 1 << T(0, 2);
    QTest::newRow("noon") << 288 << T(12, 0);
    QTest::newRow("12:30") << 300 << T(12, 30);
    QTest::newRow("last pixel") << 575 << T(23, 57);
    QTest::newRow("right edge is the end of the day") << 576 << T(23, 59, 59);
}

void tst_ScheduleItems::xToTime()
{
    QFETCH(int, iX);
    QTEST(ScheduleTimeItem::XToTime(iX, 576), "time");
}

void tst_ScheduleItems::itemRectSnapsOutward_data()
{
    QTest::addColumn<int>("iX");
    QTest::addColumn<int>("iWidth");
    QTest::addColumn<int>("iLeft");
    QTest::addColumn<int>("iSnappedWidth");
    QTest::newRow("on steps") << 9 << 6 << 9 << 6;
    QTest::newRow("both edges between steps") << 10 << 5 << 9 << 6;
    QTest::newRow("one pixel at midnight") << 0 << 1 << 0 << 3;
    QTest::newRow("one pixel at the last pixel") << 575 << 1 << 573 << 3;
}

void tst_ScheduleItems::itemRectSnapsOutward()
{
    QFETCH(int, iX);
    QFETCH(int, iWidth);
    auto pScene = MakeDay(1800);
    auto* pItem = new ScheduleTimeItem(3, 3, pScene.get());
    pScene->addItem(pItem);
    QSignalSpy spyMoved(pItem, &QGraphicsObject::xChanged);
    pItem->SetItemRect(iX, iWidth);
    QTEST(int(pItem->pos().x()), "iLeft");
    QTEST(pItem->GetWidth(), "iSnappedWidth");
    const int iMoves = spyMoved.count();
    // Placing it again at the same spot still signals a geometry change.
    pItem->SetItemRect(iX, iWidth);
    QVERIFY(spyMoved.count() > iMoves);
}

void tst_ScheduleItems::typeColours()
{
    QCOMPARE(ScheduleTimeItem::TypeColor(1), QColor(93, 128, 248));
    QCOMPARE(ScheduleTimeItem::TypeColor(2), QColor(197, 113, 45));
    QCOMPARE(ScheduleTimeItem::TypeColor(3), QColor(142, 212, 99));
    QCOMPARE(ScheduleTimeItem::TypeColor(16), QColor(0xa0, 0xaa, 0xde));
    QCOMPARE(ScheduleTimeItem::TypeColor(4), QColor(197, 113, 45));
    QCOMPARE(ScheduleTimeItem::TypeColor(-7), QColor(197, 113, 45));
}

void tst_ScheduleItems::hitZones_data()
{
    QTest::addColumn<qreal>("dX");
    QTest::addColumn<int>("iShape");
    // A bar 96 pixels wide: two-pixel edge strips, the body between them.
    QTest::newRow("left edge") << 0.5 << int(Qt::SizeHorCursor);
    QTest::newRow("left strip's end") << 2.0 << int(Qt::SizeHorCursor);
    QTest::newRow("body") << 2.5 << int(Qt::OpenHandCursor);
    QTest::newRow("middle") << 48.0 << int(Qt::OpenHandCursor);
    QTest::newRow("right strip") << 94.5 << int(Qt::SizeHorCursor);
}

void tst_ScheduleItems::hitZones()
{
    QFETCH(qreal, dX);
    auto pScene = MakeDay(0);
    QVERIFY(pScene->AddTimeItem(T(8, 0), T(12, 0), 1));
    QTEST(int(pScene->GetItemsInOrder().first()->CursorShapeAt(QPointF(dX, 7))), "iShape");
}

void tst_ScheduleItems::moveStopsAtDayEdgeAndNeighbour_data()
{
    QTest::addColumn<qreal>("dFrom");
    QTest::addColumn<qreal>("dTo");
    QTest::addColumn<QString>("strTimes");
    // The bar dragged is 12:00-14:00 (288..336), between 04:00-06:00 and 20:00-22:00.
    QTest::newRow("partial step rounds away from zero") << 300.0 << 301.0 << "12:07:00-14:07:00";
    QTest::newRow("whole steps") << 300.0 << 312.0 << "12:30:00-14:30:00";
    QTest::newRow("stops at the left neighbour") << 300.0 << 10.0 << "06:00:00-08:00:00";
    QTest::newRow("stops at the right neighbour") << 300.0 << 570.0 << "18:00:00-20:00:00";
}

void tst_ScheduleItems::moveStopsAtDayEdgeAndNeighbour()
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

void tst_ScheduleItems::resizeKeepsOneStepAndNeighbours_data()
{
    QTest::addColumn<qreal>("dFrom");
    QTest::addColumn<qreal>("dTo");
    QTest::addColumn<int>("iX");
    QTest::addColumn<int>("iWidth");
    // The bar is 12:00-14:00 (288..336) with a neighbour at 04:00-06:00 (96..144).
    QTest::newRow("right edge outward") << 335.0 << 400.0 << 288 << 114;
    QTest::newRow("right edge never below one step") << 335.0 << 0.0 << 288 << 3;
    QTest::newRow("left edge never below one step") << 288.5 << 575.0 << 333 << 3;
    QTest::newRow("left edge stops at the neighbour") << 288.5 << 0.0 << 144 << 192;
    QTest::newRow("right edge stops at the day's end") << 335.0 << 700.0 << 288 << 288;
}

void tst_ScheduleItems::resizeKeepsOneStepAndNeighbours()
{
    QFETCH(qreal, dFrom);
    QFETCH(qreal, dTo);
    auto pScene = MakeDay(1800);
    QVERIFY(pScene->AddTimeItem(T(4, 0), T(6, 0), 1));
    QVERIFY(pScene->AddTimeItem(T(12, 0), T(14, 0), 1));
    DragScene(pScene.get(), QPointF(dFrom, 7), QPointF(dTo, 7));
    const Bar bar = Bars(*pScene).at(1);
    QTEST(bar.iX, "iX");
    QTEST(bar.iWidth, "iWidth");
}

void tst_ScheduleItems::onePixelBarAtEdgeGrowsInward_data()
{
    QTest::addColumn<int>("iX");
    QTest::addColumn<qreal>("dTo");
    QTest::addColumn<int>("iLeft");
    QTest::addColumn<int>("iWidth");
    QTest::newRow("at midnight, dragged right") << 0 << 20.0 << 0 << 20;
    QTest::newRow("at the last pixel, dragged left") << 575 << 560.0 << 560 << 16;
}

void tst_ScheduleItems::onePixelBarAtEdgeGrowsInward()
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

void tst_ScheduleItems::pressWithoutMoveReportsButDoesNotModify()
{
    auto pScene = MakeDay(1800);
    QVERIFY(pScene->AddTimeItem(T(8, 0), T(12, 30), 1));
    QSignalSpy spyChange(pScene.get(), &ScheduleDayScene::SignalTimeItemChange);
    SendSceneMouse(pScene.get(), QEvent::GraphicsSceneMousePress, QPointF(250, 7), QPointF(250, 7));
    SendSceneMouse(pScene.get(), QEvent::GraphicsSceneMouseRelease, QPointF(250, 7), QPointF(250, 7));
    QCOMPARE(spyChange.count(), 1);
    QCOMPARE(spyChange.at(0).at(0).toTime(), T(8, 0));
    QCOMPARE(spyChange.at(0).at(1).toTime(), T(12, 30));
    QCOMPARE(spyChange.at(0).at(2).toPoint(), QPoint(350, 207));
    QVERIFY(!pScene->IsModified());
    QCOMPARE(pScene->selectedItems().size(), 1);
}

void tst_ScheduleItems::readOnlyBarSelectsButNeverMoves()
{
    auto pScene = MakeDay(1800);
    QVERIFY(pScene->AddTimeItem(T(8, 0), T(12, 0), 1));
    pScene->SetEditable(false);
    ScheduleTimeItem* pItem = pScene->GetItemsInOrder().first();
    QCOMPARE(pItem->CursorShapeAt(QPointF(40, 7)), Qt::ArrowCursor);
    QCOMPARE(pItem->CursorShapeAt(QPointF(0.5, 7)), Qt::ArrowCursor);
    DragScene(pScene.get(), QPointF(240, 7), QPointF(400, 7));
    QCOMPARE(int(pItem->pos().x()), 192);
    QCOMPARE(pItem->GetWidth(), 96);
    QVERIFY(pItem->isSelected());
    QVERIFY(!pScene->IsModified());
}

void tst_ScheduleItems::drawing_data()
{
    QTest::addColumn<qreal>("dFrom");
    QTest::addColumn<qreal>("dTo");
    QTest::addColumn<QString>("strTimes");
    QTest::newRow("left to right") << 200.0 << 300.0 << "08:20:00-12:30:00";
    QTest::newRow("right to left") << 300.0 << 200.0 << "08:20:00-12:30:00";
    QTest::newRow("stops at the neighbour's left edge") << 100.0 << 170.0 << "04:10:00-06:00:00";
    QTest::newRow("stops at the neighbour's right edge") << 260.0 << 150.0 << "08:00:00-10:50:00";
    QTest::newRow("past the day's end") << 500.0 << 900.0 << "20:50:00-23:59:59";
}

void tst_ScheduleItems::drawing()
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

void tst_ScheduleItems::drawingStopsAtMaximum()
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
    pScene->SetMaxItemNum(9);
    QCOMPARE(pScene->GetMaxItemNum(), 1);
}

void tst_ScheduleItems::deleteOnlyOnSelectedRow()
{
    auto pScene = MakeDay(0);
    QVERIFY(pScene->AddTimeItem(T(1, 0), T(2, 0), 1));
    QVERIFY(pScene->AddTimeItem(T(3, 0), T(4, 0), 1));
    pScene->GetItemsInOrder().first()->setSelected(true);
    QSignalSpy spyDeleted(pScene.get(), &ScheduleDayScene::SignalTimeItemDeleteSelect);
    pScene->DeleteSelectItem();
    QCOMPARE(pScene->GetItemsInOrder().size(), 2);
    QCOMPARE(spyDeleted.count(), 0);
    pScene->SetSelected(true);
    pScene->DeleteSelectItem();
    QCOMPARE(pScene->GetItemsInOrder().size(), 1);
    QCOMPARE(Times(pScene->GetItemsInOrder().first(), true), QStringLiteral("03:00:00-04:00:00"));
    QCOMPARE(spyDeleted.count(), 1);
    QVERIFY(pScene->IsModified());
}

QTEST_MAIN(tst_ScheduleItems)
#include "tst_scheduleitems.moc"
