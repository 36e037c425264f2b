#ifndef ORVAGUITOOLKIT_SCHEDULE_SCHEDULEDATA_H
#define ORVAGUITOOLKIT_SCHEDULE_SCHEDULEDATA_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtCore/QMetaType>
#include <QtCore/QTime>

namespace OrvaGUIToolkit {

// One time span of a week schedule: when it starts, when it stops and what
// kind of recording (or other action) is active in it. A stop time of
// 23:59:59 stands for the end of the day.
//
// A week is a QMap<int, std::vector<ScheduleData>> keyed by day row
// (0 = Monday ... 6 = Sunday, 7 = Holiday), each day's spans in the order in
// which they were added; spans of one day never overlap.
class ScheduleData
{
public:
    // The values are those the client stores; 16, not 4, follows 3.
    enum ScheduleItemType {
        Continuous = 1,
        Event = 2,
        Command = 3,
        IntellRecord = 16
    };

    ScheduleData() = default;
    ScheduleData(QTime timeStart, QTime timeStop, ScheduleItemType enumType)
        : m_timeStart(timeStart)
        , m_timeStop(timeStop)
        , m_iType(enumType)
    {
    }

    QTime GetStartTime() const { return m_timeStart; }
    QTime GetStopTime() const { return m_timeStop; }
    // Any int the client stored is handed back unchanged.
    ScheduleItemType GetType() const { return static_cast<ScheduleItemType>(m_iType); }

    friend bool operator==(const ScheduleData& lhs, const ScheduleData& rhs)
    {
        return lhs.m_timeStart == rhs.m_timeStart && lhs.m_timeStop == rhs.m_timeStop
               && lhs.m_iType == rhs.m_iType;
    }
    friend bool operator!=(const ScheduleData& lhs, const ScheduleData& rhs) { return !(lhs == rhs); }

private:
    QTime m_timeStart;
    QTime m_timeStop;
    int m_iType = Continuous;
};

} // namespace OrvaGUIToolkit

Q_DECLARE_METATYPE(OrvaGUIToolkit::ScheduleData)
Q_DECLARE_METATYPE(OrvaGUIToolkit::ScheduleData::ScheduleItemType)

#endif
