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

// One recorded stretch of video of a camera. Levels are the client's record
// types: 1 continuous, 2 event (motion, line crossing), 3 command, 16 smart.
struct RecordingSegment
{
    QDateTime dtBegin;
    QDateTime dtEnd;
    int iLevel;
};

enum RecordLevel { LevelContinuous = 1, LevelEvent = 2, LevelCommand = 3, LevelSmart = 16 };

// Recordings of camera iCamera over the iDays days up to ReferenceNow():
// mostly continuous recording with gaps (maintenance, network loss), and
// event clips that are busier by day than by night.
QList<RecordingSegment> Recordings(int iCamera, int iDays);

// Tags operators put on recordings ("Plate mismatch", "Tailgating"...).
QList<RecordingSegment> Tags(int iCamera, int iDays);

// What a camera recorded on one day, as a month calendar summarises it:
// iLevel is 0 when nothing was recorded (recorder offline, disk swapped),
// LevelEvent when there were event clips, else LevelContinuous.
struct RecordingDay
{
    QDate date;
    int iLevel;
    double dHours;
    int iEventClips;
};

// The iDays days up to ReferenceNow() of camera iCamera, oldest first.
QList<RecordingDay> RecordingDays(int iCamera, int iDays);

// The reference "now" of the gallery: pages show recordings up to this moment.
QDateTime ReferenceNow();

} // namespace GalleryData

#endif
