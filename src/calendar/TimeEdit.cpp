#include <OrvaGUIToolkit/Calendar/TimeEdit.h>

#include <QtCore/QEvent>
#include <QtCore/QPointer>
#include <QtWidgets/QLineEdit>

namespace OrvaGUIToolkit {

CTimeEdit::CTimeEdit(QWidget* pParent)
    : QTimeEdit(pParent)
{
    Init();
}

CTimeEdit::CTimeEdit(const QTime& time, QWidget* pParent)
    : QTimeEdit(time, pParent)
{
    Init();
}

CTimeEdit::~CTimeEdit() = default;

void CTimeEdit::Init()
{
    setDisplayFormat(QStringLiteral("hh:mm:ss"));
    lineEdit()->installEventFilter(this);
}

bool CTimeEdit::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    if (pWatched == lineEdit() && pEvent->type() == QEvent::MouseButtonRelease) {
        // The release still reaches the text so that it finishes the click;
        // unless a slot has deleted the field, which takes its text along.
        QPointer<QObject> pGuard(pWatched);
        Q_EMIT SignalClicked();
        return pGuard.isNull();
    }
    return QTimeEdit::eventFilter(pWatched, pEvent);
}

void CTimeEdit::OnChangeTime(int iTime)
{
    const QTime timeOld = time();
    int iHour = timeOld.hour();
    int iMinute = timeOld.minute();
    int iSecond = timeOld.second();
    switch (currentSection()) {
    case HourSection:
        iHour = iTime;
        break;
    case MinuteSection:
        iMinute = iTime;
        break;
    case SecondSection:
        iSecond = iTime;
        break;
    default:
        return;
    }
    const QTime timeNew(iHour, iMinute, iSecond, timeOld.msec());
    if (timeNew.isValid())
        setTime(timeNew);
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/Calendar/moc_TimeEdit.cpp"
