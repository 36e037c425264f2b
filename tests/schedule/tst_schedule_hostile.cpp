#include "ScheduleTestSupport.h"

#include "schedule/ScheduleDayScene.h"
#include "schedule/ScheduleDaySelect.h"
#include "schedule/ScheduleFrame.h"
#include "schedule/ScheduleTimeItem.h"

#include <OrvaGUIToolkit/Schedule/ScheduleWidget.h>

#include <QtCore/QPointer>
#include <QtWidgets/QButtonGroup>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QToolButton>
#include <QtTest/QtTest>

#include <climits>
#include <functional>

using namespace OrvaGUIToolkit;
using namespace ScheduleTest;

using WidgetAction = std::function<void(ScheduleWidget*)>;
Q_DECLARE_METATYPE(WidgetAction)

// Deletes the dialog from inside the handler that emitted the signal.
class WidgetKiller : public QObject
{
    Q_OBJECT

public:
    ScheduleWidget* m_pTarget = nullptr;

public Q_SLOTS:
    void Kill() { delete m_pTarget; }
};

class tst_ScheduleHostile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void badSpans_data();
    void badSpans();
    void badWeeks_data();
    void badWeeks();
    void extremeSteps_data();
    void extremeSteps();
    void badTemplateIds_data();
    void badTemplateIds();
    void badClientCalls();
    void badTemplateNames_data();
    void badTemplateNames();
    void unknownOptions();
    void deletingSlots_data();
    void deletingSlots();
    void barDeletedByItsOwnSignal();
    void popupDeletedByItsOwnSignal();
};

void tst_ScheduleHostile::badSpans_data()
{
    QTest::addColumn<QTime>("start");
    QTest::addColumn<QTime>("stop");
    QTest::addColumn<QString>("strWarning");
    QTest::addColumn<QString>("strLeft");
    QTest::newRow("null start") << QTime() << T(5, 0)
                                << "ScheduleDayScene::AddTimeItem: !timeStart.isValid() || !timeStop.isValid()" << "";
    QTest::newRow("invalid stop") << T(1, 0) << QTime(25, 0)
                                  << "ScheduleDayScene::AddTimeItem: !timeStart.isValid() || !timeStop.isValid()" << "";
    QTest::newRow("stop before start") << T(9, 0) << T(8, 0) << QString() << "";
    QTest::newRow("inside a stored span") << T(10, 30) << T(11, 30)
                                          << "ScheduleDayScene::AddTimeItem: span lies on another span" << "";
    QTest::newRow("overlapping the start of one")
        << T(8, 0) << T(11, 0) << "ScheduleDayScene::AddTimeItem: overlapping span cut back to the free time"
        << "08:00-10:00";
    QTest::newRow("overlapping the end of one")
        << T(11, 0) << T(13, 0) << "ScheduleDayScene::AddTimeItem: overlapping span cut back to the free time"
        << "12:00-13:00";
    QTest::newRow("around one") << T(9, 0) << T(13, 0)
                                << "ScheduleDayScene::AddTimeItem: overlapping span cut back to the free time"
                                << "09:00-10:00";
}

void tst_ScheduleHostile::badSpans()
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
    if (strLeft.isEmpty())
        return;
    QCOMPARE(Times(lstItems.last()), strLeft);
}

void tst_ScheduleHostile::badWeeks_data()
{
    QTest::addColumn<int>("iKey");
    QTest::addColumn<int>("iSpans");
    QTest::addColumn<QString>("strWarning");
    QTest::addColumn<int>("iLoaded");
    QTest::newRow("INT_MIN day") << INT_MIN << 1 << "ScheduleFrame::SetData: no day row -2147483648" << 0;
    QTest::newRow("day -1") << -1 << 1 << "ScheduleFrame::SetData: no day row -1" << 0;
    QTest::newRow("holiday without its row") << 7 << 1 << "ScheduleFrame::SetData: no day row 7" << 0;
    QTest::newRow("INT_MAX day") << INT_MAX << 1 << "ScheduleFrame::SetData: no day row 2147483647" << 0;
    QTest::newRow("nine spans") << 2 << 9 << "ScheduleFrame::SetData: day 2 holds more than 8 spans" << 8;
    QTest::newRow("a thousand spans") << 2 << 1000 << "ScheduleFrame::SetData: day 2 holds more than 8 spans" << 8;
}

void tst_ScheduleHostile::badWeeks()
{
    QFETCH(int, iKey);
    QFETCH(int, iSpans);
    QFETCH(QString, strWarning);
    ScheduleFrame frame;
    Week week;
    for (int i = 0; i < iSpans; ++i)
        week[iKey].push_back(Span(T(i % 24, 0), T(i % 24, 30)));
    QTest::ignoreMessage(QtWarningMsg, qPrintable(strWarning));
    frame.SetData(week);
    int iCount = 0;
    for (int iRow = 0; iRow < frame.GetRowCount(); ++iRow)
        iCount += int(frame.GetScene(iRow)->GetItemsInOrder().size());
    QTEST(iCount, "iLoaded");
    QCOMPARE(frame.GetData().size(), 7);
}

void tst_ScheduleHostile::extremeSteps_data()
{
    QTest::addColumn<int>("iValue");
    QTest::addColumn<int>("iStep");
    QTest::newRow("INT_MIN") << INT_MIN << 0;
    QTest::newRow("negative") << -1800 << 0;
    QTest::newRow("zero") << 0 << 0;
    QTest::newRow("not a multiple") << 1000 << 1;
    QTest::newRow("a whole day") << 576 * 576 << 576;
    QTest::newRow("INT_MAX") << INT_MAX << 576;
}

void tst_ScheduleHostile::extremeSteps()
{
    QFETCH(int, iValue);
    ScheduleWidget widget(ScheduleWidget::RecordSchedule, iValue, iValue);
    widget.SetCurrentTemplate(5);
    ScheduleDayScene* pScene = Grid(widget)->GetScene(0);
    QTEST(pScene->GetMoveStep(), "iStep");
    DragScene(pScene, QPointF(100, 7), QPointF(300, 7));
    DragScene(pScene, QPointF(200, 7), QPointF(-50, 7));
    const auto lstItems = pScene->GetItemsInOrder();
    QCOMPARE(lstItems.size(), 1);
    QVERIFY(lstItems.first()->pos().x() >= 0);
    QVERIFY(lstItems.first()->GetRight() <= 576);
    const std::vector<ScheduleData> vecDay = widget.GetRecordParameters().value(0);
    QCOMPARE(vecDay.size(), size_t(1));
    QVERIFY(vecDay.front().GetStartTime() < vecDay.front().GetStopTime());
}

void tst_ScheduleHostile::badTemplateIds_data()
{
    QTest::addColumn<int>("iId");
    QTest::addColumn<bool>("bWarns");
    QTest::newRow("INT_MIN") << INT_MIN << false;
    QTest::newRow("-1") << -1 << false;
    QTest::newRow("11") << 11 << true;
    QTest::newRow("999") << 999 << true;
    QTest::newRow("1001") << 1001 << true;
    QTest::newRow("INT_MAX") << INT_MAX << true;
}

void tst_ScheduleHostile::badTemplateIds()
{
    QFETCH(int, iId);
    QFETCH(bool, bWarns);
    ScheduleWidget widget(ScheduleWidget::RecordSchedule, 1800, 1800);
    widget.SetCurrentTemplate(4);
    const QString strWarning = QStringLiteral("ScheduleWidget::SetRecordParameters: no template %1").arg(iId);
    if (bWarns)
        QTest::ignoreMessage(QtWarningMsg, qPrintable(strWarning));
    Week week = EmptyWeek();
    week[0] = {Span(T(1, 0), T(2, 0))};
    widget.SetRecordParameters(iId, week);
    QCOMPARE(widget.GetCurrentTemplate(), 4);
    QCOMPARE(widget.GetRecordParameters(), EmptyWeek());
    QCOMPARE(widget.GetTempTextByIndex(iId), QStringLiteral("Custom"));
}

void tst_ScheduleHostile::badClientCalls()
{
    ScheduleWidget widget(ScheduleWidget::RecordSchedule, 1800, 1800);
    QTest::ignoreMessage(QtWarningMsg, "ScheduleWidget::GetModifiedTempData: pData == NULL || pFlags == NULL");
    widget.GetModifiedTempData(nullptr, nullptr);
    QTest::ignoreMessage(QtWarningMsg, "ScheduleWidget::GetModifiedTempName: pNames == NULL");
    widget.GetModifiedTempName(nullptr);
    for (int iNum : {-1, 9, INT_MIN, INT_MAX}) {
        QTest::ignoreMessage(QtWarningMsg, "ScheduleFrame::SetMaxItemNum: iNum < 0 || iNum > 8");
        widget.SetMaxItemNum(iNum);
    }
    QCOMPARE(Grid(widget)->GetScene(0)->GetMaxItemNum(), 8);
    widget.SetMaxItemNum(0);
    QCOMPARE(Grid(widget)->GetScene(0)->GetMaxItemNum(), 0);

    // Twenty templates with days the grid does not have: twelve are kept,
    // each with its seven days.
    Week odd = EmptyWeek();
    odd[0] = {Span(T(1, 0), T(2, 0))};
    odd[9] = {Span(T(3, 0), T(4, 0))};
    odd[-4] = {Span(T(5, 0), T(6, 0))};
    widget.AddScheduleTemplate(QList<Week>() << odd << odd << odd << odd << odd << odd << odd << odd << odd << odd
                                             << odd << odd << odd << odd << odd << odd << odd << odd << odd << odd);
    const QList<Week> lstData = TempData(widget);
    QCOMPARE(lstData.size(), 12);
    QCOMPARE(lstData.at(11).size(), 7);
    widget.AddScheduleTemplate({});
    QCOMPARE(widget.GetTempTextByIndex(INT_MIN), QStringLiteral("Custom"));
}

void tst_ScheduleHostile::badTemplateNames_data()
{
    QTest::addColumn<QString>("strName");
    QTest::addColumn<bool>("bKept");
    QTest::newRow("32 bytes") << QString(32, QLatin1Char('x')) << true;
    QTest::newRow("33 bytes") << QString(33, QLatin1Char('x')) << false;
    QTest::newRow("a megabyte") << QString(1 << 20, QLatin1Char('y')) << false;
    QTest::newRow("empty keeps the old name") << QString() << false;
}

void tst_ScheduleHostile::badTemplateNames()
{
    QFETCH(QString, strName);
    QFETCH(bool, bKept);
    ScheduleWidget widget(ScheduleWidget::RecordSchedule, 1800, 1800);
    if (!bKept && !strName.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, "ScheduleWidget::SetTemplateName: name 4 longer than 32 bytes");
    // Thirty names for twelve templates; empty ones keep the old name, and
    // the client may rename a fixed template too.
    QList<QString> lstGiven;
    for (int i = 0; i < 30; ++i)
        lstGiven.append(i == 4 ? strName : i == 1 ? QStringLiteral("Office hours") : QString());
    widget.SetTemplateName(lstGiven);
    const QList<QString> lstNames = TempNames(widget);
    QCOMPARE(lstNames.size(), 12);
    QCOMPARE(lstNames.at(0), QStringLiteral("Day Template"));
    QCOMPARE(lstNames.at(1), QStringLiteral("Office hours"));
    QCOMPARE(lstNames.at(4), bKept ? strName : QStringLiteral("Template02"));
    QCOMPARE(widget.GetTempTextByIndex(4), lstNames.at(4));
}

void tst_ScheduleHostile::unknownOptions()
{
    QTest::ignoreMessage(QtWarningMsg, "ScheduleWidget::InitSchedule: unknown options 99");
    ScheduleWidget widget(ScheduleWidget::Options(99), 1800, 1800);
    QVERIFY(ButtonWithText(widget, QStringLiteral("Command")));
    QVERIFY(ButtonWithText(widget, QStringLiteral("Continuous")));
    QCOMPARE(TempNames(widget).at(2), QStringLiteral("Event Template"));
}

void tst_ScheduleHostile::deletingSlots_data()
{
    QTest::addColumn<QString>("strSignal");
    QTest::addColumn<WidgetAction>("fnAction");
    QTest::newRow("type change") << QString::fromLatin1(SIGNAL(SignalTypeChange(ScheduleData::ScheduleItemType)))
                                 << WidgetAction([](ScheduleWidget* pWidget) {
                                        ButtonWithText(*pWidget, QStringLiteral("Event Recording"))->click();
                                    });
    QTest::newRow("delete selected") << QString::fromLatin1(SIGNAL(SignalDeleteSelectItem()))
                                     << WidgetAction([](ScheduleWidget* pWidget) {
                                            Grid(*pWidget)->GetDayButton(0)->click();
                                            pWidget->findChild<QToolButton*>(QStringLiteral("m_pBtnRemove"))->click();
                                        });
    QTest::newRow("template saved on confirm")
        << QString::fromLatin1(SIGNAL(SignalSaveTemplateModified())) << WidgetAction([](ScheduleWidget* pWidget) {
               DragScene(Grid(*pWidget)->GetScene(3), QPointF(10, 7), QPointF(90, 7));
               pWidget->GetConfirmBtn()->click();
           });
    QTest::newRow("template saved as") << QString::fromLatin1(SIGNAL(SignalSaveTemplateModified()))
                                       << WidgetAction([](ScheduleWidget* pWidget) {
                                              pWidget->SetRecordParameters(1000, EmptyWeek());
                                              DragScene(Grid(*pWidget)->GetScene(3), QPointF(10, 7), QPointF(90, 7));
                                              pWidget->findChild<QPushButton*>(QStringLiteral("m_pBtnSaveAs"))->click();
                                          });
    QTest::newRow("name saved") << QString::fromLatin1(SIGNAL(SignalSaveTempNameModified()))
                                << WidgetAction([](ScheduleWidget* pWidget) {
                                       pWidget->findChild<QWidget*>(QStringLiteral("pTemp05Frame"))
                                           ->findChild<QLineEdit*>()
                                           ->setText(QStringLiteral("Parking lot"));
                                       pWidget->GetConfirmBtn()->click();
                                   });
}

void tst_ScheduleHostile::deletingSlots()
{
    QFETCH(QString, strSignal);
    QFETCH(WidgetAction, fnAction);
    QPointer<ScheduleWidget> pWidget = new ScheduleWidget(ScheduleWidget::RecordSchedule, 1800, 1800);
    pWidget->SetCurrentTemplate(5);
    pWidget->show();
    DragScene(Grid(*pWidget)->GetScene(0), QPointF(24, 7), QPointF(48, 7));
    WidgetKiller killer;
    killer.m_pTarget = pWidget.data();
    QVERIFY(QObject::connect(pWidget.data(), qPrintable(strSignal), &killer, SLOT(Kill())));
    fnAction(pWidget.data());
    QVERIFY(pWidget.isNull());
}

void tst_ScheduleHostile::barDeletedByItsOwnSignal()
{
    ScheduleDayScene scene(0, 0, 576, 14);
    QVERIFY(scene.AddTimeItem(T(8, 0), T(12, 0), 1));
    ScheduleTimeItem* pItem = scene.GetItemsInOrder().first();
    QObject::connect(pItem, &ScheduleTimeItem::SignalTimeItemChange, pItem, [pItem] { delete pItem; });
    SendSceneMouse(&scene, QEvent::GraphicsSceneMousePress, QPointF(240, 7), QPointF(240, 7));
    SendSceneMouse(&scene, QEvent::GraphicsSceneMouseRelease, QPointF(240, 7), QPointF(240, 7));
    QCOMPARE(scene.GetItemsInOrder().size(), 0);
}

void tst_ScheduleHostile::popupDeletedByItsOwnSignal()
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

QTEST_MAIN(tst_ScheduleHostile)
#include "tst_schedule_hostile.moc"
