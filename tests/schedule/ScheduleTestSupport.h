#ifndef ORVAGUITOOLKIT_TESTS_SCHEDULETESTSUPPORT_H
#define ORVAGUITOOLKIT_TESTS_SCHEDULETESTSUPPORT_H

#include <OrvaGUIToolkit/Dialog/WarningDlg.h>
#include <OrvaGUIToolkit/Schedule/ScheduleData.h>
#include <OrvaGUIToolkit/Schedule/ScheduleWidget.h>

#include "schedule/ScheduleFrame.h"

#include <QtWidgets/QApplication>
#include <QtWidgets/QGraphicsScene>
#include <QtWidgets/QGraphicsSceneMouseEvent>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QToolButton>

#include "support/AnswerNextQuestion.h"

#include <functional>
#include <vector>

namespace ScheduleTest {

using OrvaGUIToolkit::ScheduleData;
using OrvaGUIToolkit::ScheduleFrame;
using OrvaGUIToolkit::ScheduleWidget;
using Week = QMap<int, std::vector<ScheduleData>>;

inline QTime T(int iHour, int iMinute, int iSecond = 0)
{
    return QTime(iHour, iMinute, iSecond);
}

inline ScheduleData Span(QTime start, QTime stop, ScheduleData::ScheduleItemType type = ScheduleData::Continuous)
{
    return ScheduleData(start, stop, type);
}

inline ScheduleFrame* Grid(const ScheduleWidget& widget)
{
    return widget.findChild<ScheduleFrame*>(QStringLiteral("m_pScheduleFrame"));
}

inline QPushButton* ButtonWithText(const ScheduleWidget& widget, const QString& strText)
{
    const auto lstButtons = widget.findChildren<QPushButton*>();
    for (QPushButton* pButton : lstButtons) {
        if (pButton->text() == strText)
            return pButton;
    }
    return nullptr;
}

// The templates the editor would hand back, and their modified flags.
inline QList<Week> TempData(const ScheduleWidget& widget, QList<bool>* pFlags = nullptr)
{
    QList<Week> lstData;
    QList<bool> lstFlags;
    widget.GetModifiedTempData(&lstData, pFlags ? pFlags : &lstFlags);
    return lstData;
}

inline QList<QString> TempNames(const ScheduleWidget& widget)
{
    QList<QString> lstNames;
    widget.GetModifiedTempName(&lstNames);
    return lstNames;
}

inline Week EmptyWeek(int iDays = 7)
{
    Week week;
    for (int i = 0; i < iDays; ++i)
        week.insert(i, {});
    return week;
}

// "hh:mm-hh:mm" (or with seconds when bSeconds) of a bar.
template <typename Item>
QString Times(const Item* pItem, bool bSeconds = false)
{
    QTime timeStart;
    QTime timeStop;
    pItem->GetTime(&timeStart, &timeStop);
    const QString strFormat = bSeconds ? QStringLiteral("hh:mm:ss") : QStringLiteral("hh:mm");
    return timeStart.toString(strFormat) + QLatin1Char('-') + timeStop.toString(strFormat);
}

// A scene mouse event sent straight to the scene, so that the left button is
// held during moves on every Qt version.
inline void SendSceneMouse(QGraphicsScene* pScene, QEvent::Type enumType, const QPointF& ptScene,
                           const QPointF& ptPress = QPointF())
{
    QGraphicsSceneMouseEvent event(enumType);
    event.setScenePos(ptScene);
    event.setScreenPos(ptScene.toPoint() + QPoint(100, 200));
    event.setButtonDownScenePos(Qt::LeftButton, ptPress);
    event.setButton(enumType == QEvent::GraphicsSceneMouseMove ? Qt::NoButton : Qt::LeftButton);
    event.setButtons(enumType == QEvent::GraphicsSceneMouseRelease ? Qt::NoButton : Qt::LeftButton);
    QApplication::sendEvent(pScene, &event);
}

// Press at ptFrom, move in steps of a pixel to ptTo, release there.
inline void DragScene(QGraphicsScene* pScene, const QPointF& ptFrom, const QPointF& ptTo)
{
    SendSceneMouse(pScene, QEvent::GraphicsSceneMousePress, ptFrom, ptFrom);
    const int iSteps = qMax(1, int(qAbs(ptTo.x() - ptFrom.x())));
    for (int i = 1; i <= iSteps; ++i)
        SendSceneMouse(pScene, QEvent::GraphicsSceneMouseMove, ptFrom + (ptTo - ptFrom) * i / iSteps, ptFrom);
    SendSceneMouse(pScene, QEvent::GraphicsSceneMouseRelease, ptTo, ptFrom);
}

using OrvaTest::AnswerNextQuestion;

} // namespace ScheduleTest

#endif
