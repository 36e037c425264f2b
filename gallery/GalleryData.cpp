#include "GalleryData.h"

#include <QtCore/QRandomGenerator>

namespace GalleryData {

QStringList CameraNames()
{
    return {
        QStringLiteral("Main Gate Entry"),    QStringLiteral("Main Gate Exit"),
        QStringLiteral("Lobby Entrance"),     QStringLiteral("Parking Level B1"),
        QStringLiteral("Parking Level B2"),   QStringLiteral("Loading Dock North"),
        QStringLiteral("Loading Dock South"), QStringLiteral("Warehouse Aisle 3"),
        QStringLiteral("Server Room"),        QStringLiteral("Staff Corridor East"),
        QStringLiteral("Toll Lane 1"),        QStringLiteral("Toll Lane 2"),
        QStringLiteral("Perimeter Fence West"), QStringLiteral("Roof Access"),
        QStringLiteral("Reception Desk"),     QStringLiteral("Visitor Car Park"),
    };
}

QList<VehicleRecord> VehicleRecords(int iCount)
{
    static const char* const s_letters = "ABCDEFGHJKLMNPRSTUVWXYZ";
    static const QStringList s_colors = {QStringLiteral("White"), QStringLiteral("Black"),
        QStringLiteral("Silver"), QStringLiteral("Blue"), QStringLiteral("Red"), QStringLiteral("Grey")};
    static const QStringList s_types = {QStringLiteral("Sedan"), QStringLiteral("SUV"),
        QStringLiteral("Van"), QStringLiteral("Truck"), QStringLiteral("Bus"), QStringLiteral("Motorcycle")};
    const QStringList listCameras = CameraNames();

    QRandomGenerator generator(20261206);
    QList<VehicleRecord> listRecords;
    QDateTime dtPassed = ReferenceNow();
    for (int i = 0; i < iCount; ++i) {
        QString strPlate;
        for (int j = 0; j < 2; ++j)
            strPlate += QLatin1Char(s_letters[generator.bounded(23)]);
        strPlate += QStringLiteral("-%1 %2").arg(generator.bounded(10, 100)).arg(generator.bounded(100, 1000));
        dtPassed = dtPassed.addSecs(-generator.bounded(20, 600));
        listRecords.append({strPlate, listCameras.at(generator.bounded(listCameras.size())),
                            s_colors.at(generator.bounded(s_colors.size())),
                            s_types.at(generator.bounded(s_types.size())), dtPassed,
                            static_cast<int>(generator.bounded(72, 100))});
    }
    return listRecords;
}

QList<RecordingSegment> Recordings(int iCamera, int iDays)
{
    QRandomGenerator generator(quint32(1000 + iCamera));
    const QDateTime dtEnd = ReferenceNow();
    QDateTime dtCursor(dtEnd.date().addDays(1 - iDays), QTime(0, 0));
    QList<RecordingSegment> listSegments;
    // Continuous recording in long runs broken by short gaps.
    while (dtCursor < dtEnd) {
        const QDateTime dtRunEnd = qMin(dtEnd, dtCursor.addSecs(generator.bounded(3 * 3600, 20 * 3600)));
        listSegments.append({dtCursor, dtRunEnd, LevelContinuous});
        dtCursor = dtRunEnd.addSecs(generator.bounded(5 * 60, 90 * 60));
    }
    // Event clips: a few per night hour, many per day hour.
    for (QDateTime dtHour(dtEnd.date().addDays(1 - iDays), QTime(0, 0)); dtHour < dtEnd; dtHour = dtHour.addSecs(3600)) {
        const int iHour = dtHour.time().hour();
        const int iClips = (iHour >= 7 && iHour <= 20) ? generator.bounded(1, 4) : generator.bounded(0, 2);
        for (int i = 0; i < iClips; ++i) {
            const QDateTime dtBegin = dtHour.addSecs(generator.bounded(3300));
            const QDateTime dtClipEnd = qMin(dtEnd, dtBegin.addSecs(generator.bounded(40, 600)));
            if (dtBegin < dtClipEnd)
                listSegments.append({dtBegin, dtClipEnd, (iCamera + i) % 7 == 0 ? LevelCommand : LevelEvent});
        }
    }
    return listSegments;
}

QList<RecordingSegment> Tags(int iCamera, int iDays)
{
    QRandomGenerator generator(quint32(5000 + iCamera));
    const QDateTime dtEnd = ReferenceNow();
    QList<RecordingSegment> listTags;
    for (int iDay = 0; iDay < iDays; ++iDay) {
        const QDateTime dtTag(dtEnd.date().addDays(-iDay), QTime(generator.bounded(6, 22), generator.bounded(60)));
        if (dtTag < dtEnd)
            listTags.append({dtTag, dtTag, LevelEvent});
    }
    return listTags;
}

QList<RecordingDay> RecordingDays(int iCamera, int iDays)
{
    QRandomGenerator generator(quint32(9000 + iCamera));
    const QDate dateToday = ReferenceNow().date();
    // Every camera lost a few days when the recorder's disk array was rebuilt;
    // some cameras lose single days to network faults.
    const int iRebuildAgo = 38 + iCamera % 5;
    QList<RecordingDay> listDays;
    for (int iAgo = iDays - 1; iAgo >= 0; --iAgo) {
        const QDate date = dateToday.addDays(-iAgo);
        const bool bOffline = (iAgo >= iRebuildAgo && iAgo < iRebuildAgo + 3) || generator.bounded(100) < 4;
        if (bOffline) {
            listDays.append({date, 0, 0.0, 0});
            continue;
        }
        const bool bWeekend = date.dayOfWeek() >= Qt::Saturday;
        const int iClips = generator.bounded(100) < (bWeekend ? 30 : 60) ? generator.bounded(1, bWeekend ? 9 : 34) : 0;
        double dHours = 24.0 - generator.bounded(1.5);
        if (iAgo == 0)
            dHours = ReferenceNow().time().msecsSinceStartOfDay() / 3600000.0;
        listDays.append({date, iClips > 0 ? LevelEvent : LevelContinuous, dHours, iClips});
    }
    return listDays;
}

QDateTime ReferenceNow()
{
    return QDateTime(QDate(2026, 12, 5), QTime(16, 42, 0));
}

} // namespace GalleryData
