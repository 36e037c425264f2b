#include <OrvaGUIToolkit/Foundation/File.h>
#include <OrvaGUIToolkit/Foundation/GuiFunctions.h>

#include "foundation/GuiFunctionsInternal.h"

#include <QtTest/QtTest>
#include <QtWidgets/QtWidgets>
#include <QTextCodec>

#include <climits>
#include <clocale>
#include <ctime>
#include <functional>

#include <sys/stat.h>

using namespace OrvaGUIToolkit;

using StringCheck = std::function<bool(const QString&)>;
Q_DECLARE_METATYPE(StringCheck)

namespace {

const QString s_strHuge(1 << 20, QLatin1Char(':'));

} // namespace

class TestGuiFunctions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Runs first: nothing in this process has replaced the codec or the locale yet.
    void processDefaultsAtLoad()
    {
        QCOMPARE(GetGuiTextCodec(), QTextCodec::codecForLocale());
        QCOMPARE(GetGuiLocale(), QLocale::system());
    }

    void codecConversion()
    {
        QTextCodec* pGbk = QTextCodec::codecForName("GBK");
        QTextCodec* pSaved = GetGuiTextCodec();

        const QString strCamera = QString::fromUtf8("\xe5\x8d\x97\xe9\x97\xa8"); // two CJK characters
        QCOMPARE(ConvertFromUnicode(strCamera, QTextCodec::codecForName("UTF-8")).size(), 6);
        QCOMPARE(ConvertToUnicode(ConvertFromUnicode(strCamera, pGbk).constData(), pGbk), strCamera);

        // A null codec means the process-wide one.
        InitGuiTextCodec(pGbk);
        QCOMPARE(GetGuiTextCodec(), pGbk);
        QCOMPARE(ConvertFromUnicode(strCamera).size(), 4);
        QCOMPARE(ConvertToUnicode("\xc4\xcf\xc3\xc5"), strCamera);
        InitGuiTextCodec(pSaved);
    }

    void utf8ToNarrow()
    {
        const char* szAccented = "Caf\xc3\xa9 entrance";

        QVERIFY(std::setlocale(LC_CTYPE, "C.UTF-8"));
        QCOMPARE(ConvertUtf8ToAnsi(szAccented), std::string(szAccented));

        // In the plain C locale the narrow set is ASCII: what fits converts, the rest fails whole.
        QVERIFY(std::setlocale(LC_CTYPE, "C"));
        QCOMPARE(ConvertUtf8ToAnsi("Gate 3"), std::string("Gate 3"));
        QCOMPARE(ConvertUtf8ToAnsi(szAccented), std::string());
        std::setlocale(LC_CTYPE, "");
    }

    void pathsAndDrops()
    {
        const QString strDir = QCoreApplication::applicationDirPath() + QLatin1Char('/');
        QCOMPARE(GetTargetPath(), strDir);
        QCOMPARE(GetResources(), strDir);
        QCOMPARE(GetTargetPathFile(QStringLiteral("layouts/wall.xml")), strDir + QStringLiteral("layouts/wall.xml"));
        QCOMPARE(GetTargetPathFile(QStringLiteral("/etc/orva/wall.xml")), QStringLiteral("/etc/orva/wall.xml"));

        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(QStringLiteral("/data/clip1.mp4")),
                      QUrl(QStringLiteral("http://camera-7/stream")),
                      QUrl::fromLocalFile(QStringLiteral("/data/snap 2.jpg"))});
        QCOMPARE(GetDragFiles(&mime), (QStringList{QStringLiteral("/data/clip1.mp4"), QStringLiteral("/data/snap 2.jpg")}));
    }

    void eventNames()
    {
        QStringList listNames;
        for (const int iType : {0, 2, 129, 15, 1000, 65535})
            listNames << GetEventName(static_cast<QEvent::Type>(iType));
        QCOMPARE(listNames, (QStringList{QStringLiteral("None"), QStringLiteral("MouseButtonPress"),
                                         QStringLiteral("HoverMove"), QStringLiteral("15"), QStringLiteral("1000"),
                                         QStringLiteral("65535")}));
    }

    // Each row: the inputs a check accepts, then those it refuses.
    void validators_data()
    {
        QTest::addColumn<StringCheck>("check");
        QTest::addColumn<QStringList>("listAccepted");
        QTest::addColumn<QStringList>("listRefused");
        const auto row = [](const char* szName, StringCheck check, const char* szAccepted, const char* szRefused) {
            const auto split = [](const char* sz) { return QString::fromLatin1(sz).split(QLatin1Char(' '), Qt::SkipEmptyParts); };
            QTest::newRow(szName) << check << split(szAccepted) << split(szRefused);
        };
        row("ParseIp4", ParseIp4, "192.168.1.64", "1.2.3 1.2.3.256 a.2.3.4");
        row("IsAvailableIpv4", IsAvailableIpv4, "223.255.255.255", "0.1.2.3 224.0.0.1");
        row("IsNetMask", IsNetMask, "255.255.255.252 0.0.0.0", "255.255.255.254 255.0.255.0 255.255.253.0");
        row("ParseIpv6", ParseIpv6, "::1 fe80::1%3 ::ffff:192.168.1.1 2001:DB8:85A3:8D3:1319:8A2E:370:7348 1:2:3:4:5:6:1.2.3.4",
            "1:2:3:4:5:6:7 :1:2:3:4:5:6:7 1:2:3:4:5:6:7:10000 1::2::3 1::g ::1.2.3.4:5");
        row("ParseIpv4Multicast", ParseIpv4Multicast, "224.0.0.1 239.1.1.1#port#5000", "240.0.0.1 223.1.1.1 #239.1.1.1");
        row("ParseIpv6Multicast", ParseIpv6Multicast, "ff02::1", "ff02:1");
        row("IsMulticast", IsMulticast, "230.5.5.5", "192.168.1.1");
        row("ParseMacAddress", ParseMacAddress, "00:1A:2b:3C:4d:5E", "00-1A-2B-3C-4D-5E 00:1A:2B:3C:4D 0G:1A:2B:3C:4D:5E");
        row("IsInputValid", IsInputValid, "Lobby#Entrance", "Driver's a\\b");
        row("IsInputValidV2", IsInputValidV2, "Driver's", "C:drive <tag>");
    }

    void validators()
    {
        QFETCH(StringCheck, check);
        QFETCH(QStringList, listAccepted);
        QFETCH(QStringList, listRefused);
        // '#' stands for a space inside an input.
        for (QString strInput : listAccepted)
            QVERIFY2(check(strInput.replace(QLatin1Char('#'), QLatin1Char(' '))), qPrintable(strInput));
        for (QString strInput : listRefused)
            QVERIFY2(!check(strInput.replace(QLatin1Char('#'), QLatin1Char(' '))), qPrintable(strInput));
    }

    void textReformatting()
    {
        const QStringList listInputs = {QStringLiteral("192.168.1.5"), QStringLiteral("010.000.000.001"),
                                        QStringLiteral("192.168.001.000"), QStringLiteral("camera-7"),
                                        QStringLiteral("300.1.1.1")};
        QStringList listFull;
        QStringList listCompact;
        for (const QString& strInput : listInputs) {
            listFull << IPToFullString(strInput);
            listCompact << FullStringToIP(strInput);
        }
        QCOMPARE(listFull, (QStringList{QStringLiteral("192.168.001.005"), QStringLiteral("010.000.000.001"),
                                        QStringLiteral("192.168.001.000"), QString(), QString()}));
        QCOMPARE(listCompact, (QStringList{QStringLiteral("192.168.1.5"), QStringLiteral("10.0.0.1"),
                                           QStringLiteral("192.168.1.0"), QStringLiteral("camera-7"),
                                           QStringLiteral("300.1.1.1")}));

        QCOMPARE(ParseUrl(QStringLiteral("say \"hi\"")), QStringLiteral("&quot;say &quot;hi&quot;&quot;"));
        QCOMPARE(ParseUrl(QString()), QStringLiteral("&quot;&quot;"));

        // February always allows the 29th; the day itself is not range-checked.
        QList<bool> listValid;
        for (const QPoint& monthDay : {QPoint(2, 29), QPoint(2, 30), QPoint(4, 30), QPoint(4, 31), QPoint(11, 31),
                                       QPoint(12, 31), QPoint(1, 45)})
            listValid << ParseMonthValid(monthDay.x(), monthDay.y());
        QCOMPARE(listValid, (QList<bool>{true, false, true, false, false, true, true}));
    }

    // In the C locale with group separators. Without a unit the largest that
    // makes at least 1 is taken; the precision is kept within 0..17.
    void fileSize()
    {
        const QLocale saved;
        QLocale cWithGroups = QLocale::c();
        cWithGroups.setNumberOptions(QLocale::DefaultNumberOptions);
        QLocale::setDefault(cWithGroups);
        const QString strKB = QStringLiteral("KB");
        const QStringList listTexts = {
            GetFileSize(0, strKB, 2), GetFileSize(1, QStringLiteral("MB"), 2), GetFileSize(1023, QString(), 2),
            GetFileSize(1024, QString(), 2), GetFileSize(Q_UINT64_C(1610612736), QString(), 0),
            GetFileSize(Q_UINT64_C(3298534883328), QString(), 2), GetFileSize(Q_UINT64_C(1099511627776), strKB, 0),
            GetFileSize(2097152, QStringLiteral("PB"), 2), GetFileSize(0, QString(), 2),
            GetFileSize(1536, strKB, INT_MIN), GetFileSize(1536, strKB, INT_MAX),
            GetFileSize(std::numeric_limits<quint64>::max(), QString(), 0)};
        QLocale::setDefault(saved);
        QCOMPARE(listTexts, (QStringList{QStringLiteral("0.00 KB"), QStringLiteral("0.01 MB"),
                                         QStringLiteral("1,023 bytes"), QStringLiteral("1.00 KB"), QStringLiteral("2 GB"),
                                         QStringLiteral("3.00 TB"), QStringLiteral("1,073,741,824 KB"),
                                         QStringLiteral("2.00 MB"), QStringLiteral("0 bytes"), QStringLiteral("2 KB"),
                                         QStringLiteral("1.50000000000000000 KB"), QStringLiteral("16,777,216 TB")}));
    }

    void pixmapCache()
    {
        QTemporaryDir dir;
        const QString strPath = dir.filePath(QStringLiteral("snapshot.png"));
        QImage image(32, 24, QImage::Format_ARGB32);
        image.fill(QColor(0x3b, 0x8e, 0xea));
        QVERIFY(image.save(strPath));

        const QPixmap first = QStringCovertPixmap(strPath);
        QCOMPARE(first.size(), QSize(32, 24));
        QVERIFY(QFile::remove(strPath));
        // The second call is served from the cache although the file is gone.
        QCOMPARE(QStringCovertPixmap(strPath).cacheKey(), first.cacheKey());

        const QString strMissing = dir.filePath(QStringLiteral("missing.png"));
        QVERIFY(QStringCovertPixmap(strMissing).isNull());
        QPixmap cached;
        QVERIFY(!QPixmapCache::find(strMissing, &cached));
    }

    // Winter or summer offset, whichever is in force today.
    void localUtcOffset()
    {
        const QByteArray savedZone = qgetenv("TZ");
        QList<int> listOffsets;
        for (const char* szZone : {"Asia/Shanghai", "America/New_York", "Asia/Kolkata"}) {
            qputenv("TZ", szZone);
            tzset();
            listOffsets << GetLocalUtcOffset();
        }
        qputenv("TZ", savedZone);
        tzset();
        QCOMPARE(listOffsets.at(0), 8 * 3600);
        QVERIFY2(listOffsets.at(1) == -5 * 3600 || listOffsets.at(1) == -4 * 3600, qPrintable(QString::number(listOffsets.at(1))));
        QCOMPARE(listOffsets.at(2), 5 * 3600 + 1800);
    }

    void waitAndSleep()
    {
        QElapsedTimer timer;
        timer.start();
        qSleep(30);
        QVERIFY(timer.elapsed() >= 30);

        // qWait keeps the event loop running: a timer due during the wait fires.
        bool bFired = false;
        QTimer::singleShot(10, this, [&bFired] { bFired = true; });
        timer.restart();
        qWait(60);
        QVERIFY(timer.elapsed() >= 60);
        QVERIFY(bFired);

        // The body runs once even for a negative wait, which returns at once.
        bool bPosted = false;
        QMetaObject::invokeMethod(this, [&bPosted] { bPosted = true; }, Qt::QueuedConnection);
        timer.restart();
        qWait(INT_MIN);
        qSleep(INT_MIN);
        QVERIFY(bPosted);
        QVERIFY(timer.elapsed() < 5000);
        CheckGUIThread(this);
    }

    // A 100 x 60 rectangle. Corners are ellipses of twice the radius on the
    // rectangle's corners, also when they are rounder than the rectangle.
    void roundedRadius_data()
    {
        QTest::addColumn<int>("iRadius");
        QTest::addColumn<QRect>("rectBounding");
        QTest::addColumn<bool>("bCornerPixel");
        QTest::addColumn<bool>("bKeeps3x3");
        QTest::newRow("INT_MIN, taken as 0") << INT_MIN << QRect(0, 0, 100, 60) << true << true;
        QTest::newRow("0") << 0 << QRect(0, 0, 100, 60) << true << true;
        QTest::newRow("10") << 10 << QRect(0, 0, 100, 60) << false << true;
        QTest::newRow("30, half the height") << 30 << QRect(0, 0, 100, 60) << false << false;
    }

    void roundedRadius()
    {
        QFETCH(int, iRadius);
        QFETCH(QRect, rectBounding);
        QFETCH(bool, bCornerPixel);
        QFETCH(bool, bKeeps3x3);
        const QRect rect(0, 0, 100, 60);
        const QRegion region = RoundedRect(rect, iRadius);
        QCOMPARE(region.boundingRect(), rectBounding);
        QCOMPARE(region.contains(QPoint(0, 0)), bCornerPixel);
        QCOMPARE(region.contains(QPoint(99, 59)), bCornerPixel);
        QCOMPARE(region.contains(QPoint(3, 3)), bKeeps3x3);
        QVERIFY(region.contains(QPoint(50, 0)));

        // Each of the others rounds its own corners only: the left, the right
        // and the top ones.
        const QRegion regionLeft = RoundedLeftRect(rect, iRadius);
        const QRegion regionRight = RoundedRightRect(rect, iRadius);
        const QRegion regionTop = RoundedTopRect(rect, iRadius);
        const QList<bool> listCornersKept = {regionLeft.contains(QPoint(0, 59)),   regionLeft.contains(QPoint(99, 0)),
                                             regionRight.contains(QPoint(99, 0)),  regionRight.contains(QPoint(0, 59)),
                                             regionTop.contains(QPoint(99, 0)),    regionTop.contains(QPoint(99, 59))};
        QCOMPARE(listCornersKept, (QList<bool>{bCornerPixel, true, bCornerPixel, true, bCornerPixel, true}));
    }

    // Radius 40 on a 100 x 60 rectangle: 80 x 80 ellipses on the rounded
    // corners reach past the opposite side, and the bands (0, 40, 0, -40) are
    // empty.
    void roundedPastTheRectangle()
    {
        const QRect rect(0, 0, 100, 60);
        const auto ellipse = [](int iX, int iY) { return QRegion(QRect(iX, iY, 80, 80), QRegion::Ellipse); };
        const QRegion topLeft = ellipse(0, 0);
        const QRegion topRight = ellipse(20, 0);
        const QRegion bottomLeft = ellipse(0, -20);
        const QRegion bottomRight = ellipse(20, -20);
        QCOMPARE(RoundedRect(rect, 40), QRegion(QRect(40, 0, 20, 60)) + topLeft + topRight + bottomLeft + bottomRight);
        QCOMPARE(RoundedLeftRect(rect, 40), QRegion(QRect(40, 0, 60, 60)) + topLeft + bottomLeft);
        QCOMPARE(RoundedRightRect(rect, 40), QRegion(QRect(0, 0, 60, 60)) + topRight + bottomRight);
        QCOMPARE(RoundedTopRect(rect, 40),
                 QRegion(QRect(0, 40, 100, 20)) + QRegion(QRect(40, 0, 20, 60)) + topLeft + topRight);
    }

    // Rectangles at the far end of the coordinate range and the largest radii
    // stay within int.
    void roundedExtremes()
    {
        const QRect rectFar(QPoint(INT_MAX - 99, INT_MAX - 59), QPoint(INT_MAX, INT_MAX));
        QCOMPARE(RoundedRect(rectFar, 10).boundingRect(), rectFar);
        QVERIFY(!RoundedRect(rectFar, INT_MAX).isEmpty());
        QVERIFY(!RoundedTopRect(QRect(0, 0, 100, 60), INT_MAX).isEmpty());
    }

    void hugeAndNullInput()
    {
        QVERIFY(!ParseIpv6(s_strHuge));
        QVERIFY(!ParseIp4(s_strHuge));
        QVERIFY(!IsMulticast(s_strHuge));
        QVERIFY(!IsInputValid(s_strHuge));
        QVERIFY(IsInputValidV2(QString(1 << 20, QLatin1Char('a'))));
        QCOMPARE(IPToFullString(s_strHuge), QString());
        QCOMPARE(FullStringToIP(s_strHuge), s_strHuge);
        QCOMPARE(ParseUrl(QString(1 << 20, QLatin1Char('"'))).size(), (1 << 20) * 6 + 12);
        QVERIFY(ParseMonthValid(INT_MIN, INT_MAX));

        QCOMPARE(ConvertToUnicode(nullptr), QString());
        QCOMPARE(ConvertUtf8ToAnsi(nullptr), std::string());
        QCOMPARE(GetDragFiles(nullptr), QStringList());
        QCOMPARE(GetIndependentWindow(nullptr), static_cast<QWidget*>(nullptr));
        QCOMPARE(GetParentWindow(nullptr), static_cast<QWidget*>(nullptr));
        MoveToScreenCenter(nullptr);
        QCOMPARE(GetCheckCount(nullptr, QModelIndex()), 0);
    }

    // A missing file, a device, a FIFO and a directory: none is read, none blocks.
    void readAllRefusesSpecialFiles()
    {
        QTemporaryDir dir;
        const QString strPipe = dir.filePath(QStringLiteral("pipe"));
        QCOMPARE(mkfifo(QFile::encodeName(strPipe).constData(), 0600), 0);
        const QString strMissing = QStringLiteral("/nonexistent/style.qss");
        for (const QString& strPath : {strMissing, QStringLiteral("/dev/zero"), strPipe, dir.path()}) {
            const QString strReason = strPath == strMissing ? QStringLiteral(".+") : QStringLiteral("Not a regular file");
            QTest::ignoreMessage(QtDebugMsg, QRegularExpression(
                QStringLiteral("^Unable to open %1: %2$").arg(QRegularExpression::escape(strPath), strReason)));
            QCOMPARE(CFile::ReadAll(strPath), QString());
        }
    }
};

QTEST_MAIN(TestGuiFunctions)
#include "tst_guifunctions.moc"
