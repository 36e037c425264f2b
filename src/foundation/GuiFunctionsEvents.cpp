// Event names, waiting and the local clock.

#include <OrvaGUIToolkit/Foundation/GuiFunctions.h>

#include "foundation/GuiFunctionsInternal.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QDateTime>
#include <QtCore/QElapsedTimer>
#include <QtCore/QHash>
#include <QtCore/QThread>

#include <limits>

namespace OrvaGUIToolkit {

QString GetEventName(QEvent::Type enumType)
{
    static const QHash<int, const char*> s_names = {
        {0, "None"}, {1, "Timer"}, {2, "MouseButtonPress"}, {3, "MouseButtonRelease"},
        {4, "MouseButtonDblClick"}, {5, "MouseMove"}, {6, "KeyPress"}, {7, "KeyRelease"},
        {8, "FocusIn"}, {9, "FocusOut"}, {10, "Enter"}, {11, "Leave"}, {12, "Paint"},
        {13, "Move"}, {14, "Resize"}, {17, "Show"}, {18, "Hide"}, {19, "Close"},
        {24, "WindowActivate"}, {25, "WindowDeactivate"}, {27, "HideToParent"}, {31, "Wheel"},
        {60, "DragEnter"}, {61, "DragMove"}, {62, "DragLeave"}, {63, "Drop"},
        {64, "DragResponse"}, {68, "ChildAdded"}, {69, "ChildPolished"}, {77, "UpdateRequest"},
        {127, "HoverEnter"}, {128, "HoverLeave"}, {129, "HoverMove"}};
    const char* szName = s_names.value(static_cast<int>(enumType), nullptr);
    return szName ? QString::fromLatin1(szName) : QString::number(static_cast<int>(enumType));
}

void qWait(int iMs)
{
    QElapsedTimer timer;
    timer.start();
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, iMs);
        qSleep(10);
    } while (timer.elapsed() < iMs);
}

void qSleep(int iMs)
{
    if (iMs > 0)
        QThread::msleep(static_cast<unsigned long>(iMs));
}

void CheckGUIThread(QObject*)
{
}

namespace {

int ReadLocalUtcOffset(const QDateTime& utcNow)
{
    // Both clocks' wall-clock readings, to the whole second, are read back as
    // local times, so the difference is the local offset that applies now,
    // daylight saving included. (Building the date-times from their fields
    // gives what writing them out as text and parsing them back would, at a
    // fraction of the cost.)
    const QDateTime now = utcNow.toLocalTime();
    const auto wholeSeconds = [](const QTime& time) { return QTime(time.hour(), time.minute(), time.second()); };
    const QDateTime local(now.date(), wholeSeconds(now.time()), Qt::LocalTime);
    const QDateTime utc(utcNow.date(), wholeSeconds(utcNow.time()), Qt::LocalTime);
    if (!local.isValid() || !utc.isValid())
        return now.offsetFromUtc();
    return static_cast<int>(utc.secsTo(local));
}

} // namespace

int GetLocalUtcOffset()
{
    // Every local-time conversion makes the C library look at the zone file
    // again, and the timelines ask for the offset on every repaint. The offset
    // can only change at a whole second (daylight saving) or when the process
    // switches its zone (TZ), so one reading serves until either changes.
    struct SReading
    {
        qint64 iSecond = std::numeric_limits<qint64>::min();
        QByteArray baZone;
        int iOffset = 0;
    };
    thread_local SReading s_reading;
    const QDateTime utcNow = QDateTime::currentDateTimeUtc();
    const qint64 iSecond = utcNow.toSecsSinceEpoch();
    const QByteArray baZone = qgetenv("TZ");
    if (iSecond != s_reading.iSecond || baZone != s_reading.baZone)
        s_reading = {iSecond, baZone, ReadLocalUtcOffset(utcNow)};
    return s_reading.iOffset;
}

} // namespace OrvaGUIToolkit
