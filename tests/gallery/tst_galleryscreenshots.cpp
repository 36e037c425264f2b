#include <QtCore/QDir>
#include <QtCore/QProcess>
#include <QtCore/QSet>
#include <QtCore/QTemporaryDir>
#include <QtGui/QImage>
#include <QtTest/QtTest>

namespace {

// A blank page is one colour; a real page has text, frames and icons.
int DistinctColours(const QImage& image)
{
    QSet<QRgb> setColours;
    for (int y = 0; y < image.height(); y += 3) {
        for (int x = 0; x < image.width(); x += 3)
            setColours.insert(image.pixel(x, y));
    }
    return setColours.size();
}

} // namespace

// Runs the gallery in screenshot mode and checks that every page was rendered
// into a real picture: the expected files exist and none of them is blank.
class TestGalleryScreenshots : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rendersEveryPage()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QProcess gallery;
        gallery.setProcessChannelMode(QProcess::ForwardedChannels);
        gallery.start(QStringLiteral(ORVA_GALLERY_PATH), {QStringLiteral("--screenshot"), dir.path()});
        QVERIFY(gallery.waitForFinished(180000));
        QCOMPARE(gallery.exitStatus(), QProcess::NormalExit);
        QCOMPARE(gallery.exitCode(), 0);

        const QStringList listShots = QDir(dir.path()).entryList({QStringLiteral("*.png")}, QDir::Files);
        // One page id per line, in the gallery's order.
        const char* const aszPages[] = {
            "basic-controls",
            "text-fields",
            "dialogs",
            "playback",
            "calendars",
            "module-tabs",
            "date-time-pickers",
            "recording-schedule",
            "tables-trees",
            "statistics",
            "video-wall",
            "device-servers",
            "captured-pictures",
            "vehicle-search",
        };
        for (const char* szPage : aszPages)
            QVERIFY2(listShots.contains(QLatin1String(szPage) + QStringLiteral(".png")), szPage);
        for (const QString& strShot : listShots) {
            const QImage image(dir.filePath(strShot));
            QVERIFY2(!image.isNull(), qPrintable(strShot));
            QVERIFY2(image.width() >= 800 && image.height() >= 600, qPrintable(strShot));
            QVERIFY2(DistinctColours(image) > 20, qPrintable(strShot + QStringLiteral(" looks blank")));
        }
    }
};

QTEST_GUILESS_MAIN(TestGalleryScreenshots)
#include "tst_galleryscreenshots.moc"
