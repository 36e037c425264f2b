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

QDateTime ReferenceNow()
{
    return QDateTime(QDate(2026, 12, 5), QTime(16, 42, 0));
}

} // namespace GalleryData
