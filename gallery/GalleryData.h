#ifndef ORVAGALLERY_GALLERYDATA_H
#define ORVAGALLERY_GALLERYDATA_H

#include <QtCore/QDateTime>
#include <QtCore/QString>
#include <QtCore/QStringList>

// Realistic sample data shared by the gallery pages: the cameras of a site,
// recognised vehicles and their plates. Everything is deterministic so that
// screenshots are the same from run to run.
namespace GalleryData {

QStringList CameraNames();

struct VehicleRecord
{
    QString strPlate;
    QString strCamera;
    QString strColor;
    QString strType;
    QDateTime dtPassed;
    int iConfidence;
};

QList<VehicleRecord> VehicleRecords(int iCount);

// The reference "now" of the gallery: pages show recordings up to this moment.
QDateTime ReferenceNow();

} // namespace GalleryData

#endif
