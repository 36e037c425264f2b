#include <OrvaGUIToolkit/Foundation/GuiFunctions.h>

#include "foundation/GuiFunctionsInternal.h"

#include <QtCore/QElapsedTimer>
#include <QtCore/QFile>
#include <QtCore/QMimeData>
#include <QtCore/QTemporaryDir>
#include <QTextCodec>
#include <QtCore/QTimer>
#include <QtCore/QUrl>
#include <QtGui/QImage>
#include <QtGui/QPixmapCache>
#include <QtTest/QtTest>

#include <climits>
#include <clocale>
#include <ctime>
#include <functional>

using namespace OrvaGUIToolkit;

using StringCheck = std::function<bool(const QString&)>;

class TestGuiFunctions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void processDefaultsAtLoad();
    void codecConversion();
    void utf8ToNarrow();
    void pathsAndDrops();
    void eventNames_data();
    void eventNames();
    void validators_data();
    void validators();
    void ipReformatting_data();
    void ipReformatting();
    void parseUrl();
    void monthDays_data();
    void monthDays();
    void fileSize_data();
    void fileSize();
    void pixmapCache();
    void localUtcOffset_data();
    void localUtcOffset();
    void waitAndSleep();
};

// Runs first: nothing in this process has replaced the codec or the locale yet.
void TestGuiFunctions::processDefaultsAtLoad()
{
    QCOMPARE(GetGuiTextCodec(), QTextCodec::codecForLocale());
    QCOMPARE(GetGuiLocale(), QLocale::system());
}

void TestGuiFunctions::codecConversion()
{
    QTextCodec* pGbk = QTextCodec::codecForName("GBK");
    QTextCodec* pUtf8 = QTextCodec::codecForName("UTF-8");
    QVERIFY(pGbk && pUtf8);
    QTextCodec* pSaved = GetGuiTextCodec();

    const QString strCamera = QString::fromUtf8("\xe5\x8d\x97\xe9\x97\xa8"); // two CJK characters
    QCOMPARE(ConvertFromUnicode(strCamera, pGbk).size(), 4);
    QCOMPARE(ConvertFromUnicode(strCamera, pUtf8).size(), 6);
    QCOMPARE(ConvertToUnicode(ConvertFromUnicode(strCamera, pGbk).constData(), pGbk), strCamera);

    // A null codec means the process-wide one.
    InitGuiTextCodec(pGbk);
    QCOMPARE(GetGuiTextCodec(), pGbk);
    QCOMPARE(ConvertFromUnicode(strCamera).size(), 4);
    QCOMPARE(ConvertToUnicode("\xc4\xcf\xc3\xc5"), strCamera);
    InitGuiTextCodec(pSaved);
}

void TestGuiFunctions::utf8ToNarrow()
{
    const char* szAccented = "Caf\xc3\xa9 entrance";

    QVERIFY(std::setlocale(LC_CTYPE, "C.UTF-8"));
    QCOMPARE(ConvertUtf8ToAnsi(szAccented), std::string(szAccented));
    QCOMPARE(ConvertUtf8ToAnsi(""), std::string());

    // In the plain C locale the narrow set is ASCII: what fits converts, the rest fails whole.
    QVERIFY(std::setlocale(LC_CTYPE, "C"));
    QCOMPARE(ConvertUtf8ToAnsi("Gate 3"), std::string("Gate 3"));
    QCOMPARE(ConvertUtf8ToAnsi(szAccented), std::string());
    std::setlocale(LC_CTYPE, "");
}

void TestGuiFunctions::pathsAndDrops()
{
    const QString strDir = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    QCOMPARE(GetTargetPath(), strDir);
    QCOMPARE(GetResources(), strDir);
    QCOMPARE(GetTargetPathFile(QStringLiteral("layouts/wall.xml")), strDir + QStringLiteral("layouts/wall.xml"));
    QCOMPARE(GetTargetPathFile(QStringLiteral("/etc/orva/wall.xml")), QStringLiteral("/etc/orva/wall.xml"));

    QMimeData mime;
    QCOMPARE(GetDragFiles(&mime), QStringList());
    mime.setUrls({QUrl::fromLocalFile(QStringLiteral("/data/clip1.mp4")),
                  QUrl(QStringLiteral("http://camera-7/stream")),
                  QUrl::fromLocalFile(QStringLiteral("/data/snap 2.jpg"))});
    QCOMPARE(GetDragFiles(&mime), (QStringList{QStringLiteral("/data/clip1.mp4"), QStringLiteral("/data/snap 2.jpg")}));
}

void TestGuiFunctions::eventNames_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("name");
    QTest::newRow("none") << 0 << "None";
    QTest::newRow("press") << 2 << "MouseButtonPress";
    QTest::newRow("hover move") << 129 << "HoverMove";
    QTest::newRow("unnamed 15") << 15 << "15";
    QTest::newRow("user") << 1000 << "1000";
}

void TestGuiFunctions::eventNames()
{
    QFETCH(int, type);
    QFETCH(QString, name);
    QCOMPARE(GetEventName(static_cast<QEvent::Type>(type)), name);
}

void TestGuiFunctions::validators_data()
{
    QTest::addColumn<QString>("function");
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("expected");

    const auto row = [](const char* szFunction, const char* szInput, bool bExpected) {
        QTest::addRow("%s(%s)", szFunction, szInput) << QString::fromLatin1(szFunction)
                                                     << QString::fromLatin1(szInput) << bExpected;
    };
    row("ParseIp4", "192.168.1.64", true);
    row("ParseIp4", "1.2.3", false);
    row("ParseIp4", "1.2.3.256", false);
    row("ParseIp4", "a.2.3.4", false);
    row("IsAvailableIpv4", "0.1.2.3", false);
    row("IsAvailableIpv4", "224.0.0.1", false);
    row("IsAvailableIpv4", "223.255.255.255", true);
    row("IsNetMask", "255.255.255.252", true);
    row("IsNetMask", "0.0.0.0", true);
    row("IsNetMask", "255.255.255.254", false);
    row("IsNetMask", "255.0.255.0", false);
    row("IsNetMask", "255.255.255.0 ", false);
    row("IsNetMask", "255.255.253.0", false);
    row("ParseIpv6", "::1", true);
    row("ParseIpv6", "fe80::1%3", true);
    row("ParseIpv6", "::ffff:192.168.1.1", true);
    row("ParseIpv6", "2001:DB8:85A3:8D3:1319:8A2E:370:7348", true);
    row("ParseIpv6", "1:2:3:4:5:6:1.2.3.4", true);
    row("ParseIpv6", "1:2:3:4:5:6:7", false);
    row("ParseIpv6", ":1:2:3:4:5:6:7", false);
    row("ParseIpv6", "1:2:3:4:5:6:7:10000", false);
    row("ParseIpv6", "1::2::3", false);
    row("ParseIpv6", "1::g", false);
    row("ParseIpv6", "::1.2.3.4:5", false);
    row("ParseIpv4Multicast", "239.1.1.1 port 5000", true);
    row("ParseIpv4Multicast", "224.0.0.1", true);
    row("ParseIpv4Multicast", "240.0.0.1", false);
    row("ParseIpv4Multicast", "223.1.1.1", false);
    row("ParseIpv4Multicast", " 239.1.1.1", false);
    row("ParseIpv6Multicast", "ff02::1", true);
    row("ParseIpv6Multicast", "ff02:1", false);
    row("IsMulticast", "230.5.5.5", true);
    row("IsMulticast", "192.168.1.1", false);
    row("ParseMacAddress", "00:1A:2b:3C:4d:5E", true);
    row("ParseMacAddress", "00-1A-2B-3C-4D-5E", false);
    row("ParseMacAddress", "00:1A:2B:3C:4D", false);
    row("ParseMacAddress", "0G:1A:2B:3C:4D:5E", false);
    row("IsInputValid", "Lobby Entrance", true);
    row("IsInputValid", "Driver's gate", false);
    row("IsInputValid", "a\\b", false);
    row("IsInputValidV2", "Driver's gate", true);
    row("IsInputValidV2", "C:drive", false);
    row("IsInputValidV2", "<tag>", false);
}

void TestGuiFunctions::validators()
{
    static const QHash<QString, StringCheck> s_functions = {
        {QStringLiteral("ParseIp4"), ParseIp4},
        {QStringLiteral("IsAvailableIpv4"), IsAvailableIpv4},
        {QStringLiteral("IsNetMask"), IsNetMask},
        {QStringLiteral("ParseIpv6"), ParseIpv6},
        {QStringLiteral("ParseIpv4Multicast"), ParseIpv4Multicast},
        {QStringLiteral("ParseIpv6Multicast"), ParseIpv6Multicast},
        {QStringLiteral("IsMulticast"), IsMulticast},
        {QStringLiteral("ParseMacAddress"), ParseMacAddress},
        {QStringLiteral("IsInputValid"), IsInputValid},
        {QStringLiteral("IsInputValidV2"), IsInputValidV2}};
    QFETCH(QString, function);
    QFETCH(QString, input);
    QFETCH(bool, expected);
    QVERIFY(s_functions.contains(function));
    QCOMPARE(s_functions.value(function)(input), expected);
}

void TestGuiFunctions::ipReformatting_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("full");
    QTest::addColumn<QString>("compact");
    QTest::newRow("lan") << "192.168.1.5" << "192.168.001.005" << "192.168.1.5";
    QTest::newRow("padded") << "010.000.000.001" << "010.000.000.001" << "10.0.0.1";
    QTest::newRow("trailing zero") << "192.168.001.000" << "192.168.001.000" << "192.168.1.0";
    QTest::newRow("not an address") << "camera-7" << "" << "camera-7";
    QTest::newRow("out of range") << "300.1.1.1" << "" << "300.1.1.1";
}

void TestGuiFunctions::ipReformatting()
{
    QFETCH(QString, input);
    QFETCH(QString, full);
    QFETCH(QString, compact);
    QCOMPARE(IPToFullString(input), full);
    QCOMPARE(FullStringToIP(input), compact);
}

void TestGuiFunctions::parseUrl()
{
    QCOMPARE(ParseUrl(QStringLiteral("rtsp://10.0.0.7/live")), QStringLiteral("&quot;rtsp://10.0.0.7/live&quot;"));
    QCOMPARE(ParseUrl(QStringLiteral("say \"hi\"")), QStringLiteral("&quot;say &quot;hi&quot;&quot;"));
    QCOMPARE(ParseUrl(QString()), QStringLiteral("&quot;&quot;"));
}

void TestGuiFunctions::monthDays_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<bool>("valid");
    QTest::newRow("Feb 29 always") << 2 << 29 << true;
    QTest::newRow("Feb 30") << 2 << 30 << false;
    QTest::newRow("Apr 30") << 4 << 30 << true;
    QTest::newRow("Apr 31") << 4 << 31 << false;
    QTest::newRow("Nov 31") << 11 << 31 << false;
    QTest::newRow("Dec 31") << 12 << 31 << true;
    QTest::newRow("day 45 not checked") << 1 << 45 << true;
}

void TestGuiFunctions::monthDays()
{
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(bool, valid);
    QCOMPARE(ParseMonthValid(month, day), valid);
}

void TestGuiFunctions::fileSize_data()
{
    QTest::addColumn<quint64>("bytes");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<int>("precision");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero in KB") << Q_UINT64_C(0) << "KB" << 2 << "0.00 KB";
    QTest::newRow("one byte in MB floors") << Q_UINT64_C(1) << "MB" << 2 << "0.01 MB";
    QTest::newRow("1023 auto") << Q_UINT64_C(1023) << "" << 2 << "1,023 bytes";
    QTest::newRow("1024 auto") << Q_UINT64_C(1024) << "" << 2 << "1.00 KB";
    QTest::newRow("GB rounding") << Q_UINT64_C(1610612736) << "" << 0 << "2 GB";
    QTest::newRow("TB auto") << Q_UINT64_C(3298534883328) << "" << 2 << "3.00 TB";
    QTest::newRow("forced KB of TB") << Q_UINT64_C(1099511627776) << "KB" << 0 << "1,073,741,824 KB";
    QTest::newRow("unknown unit") << Q_UINT64_C(2097152) << "PB" << 2 << "2.00 MB";
    QTest::newRow("zero auto") << Q_UINT64_C(0) << "" << 2 << "0 bytes";
    QTest::newRow("negative precision") << Q_UINT64_C(1536) << "KB" << INT_MIN << "2 KB";
    QTest::newRow("precision capped at 17") << Q_UINT64_C(1536) << "KB" << INT_MAX << "1.50000000000000000 KB";
    QTest::newRow("largest size") << std::numeric_limits<quint64>::max() << "" << 0 << "16,777,216 TB";
}

void TestGuiFunctions::fileSize()
{
    QFETCH(quint64, bytes);
    QFETCH(QString, unit);
    QFETCH(int, precision);
    QFETCH(QString, text);
    const QLocale saved;
    QLocale cWithGroups = QLocale::c();
    cWithGroups.setNumberOptions(QLocale::DefaultNumberOptions);
    QLocale::setDefault(cWithGroups);
    const QString strResult = GetFileSize(bytes, unit, precision);
    QLocale::setDefault(saved);
    QCOMPARE(strResult, text);
}

void TestGuiFunctions::pixmapCache()
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

void TestGuiFunctions::localUtcOffset_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<int>("iWinter");
    QTest::addColumn<int>("iSummer");
    QTest::newRow("east") << QByteArray("Asia/Shanghai") << 8 * 3600 << 8 * 3600;
    QTest::newRow("west") << QByteArray("America/New_York") << -5 * 3600 << -4 * 3600;
    QTest::newRow("half hour") << QByteArray("Asia/Kolkata") << 5 * 3600 + 1800 << 5 * 3600 + 1800;
}

void TestGuiFunctions::localUtcOffset()
{
    QFETCH(QByteArray, zone);
    QFETCH(int, iWinter);
    QFETCH(int, iSummer);
    const QByteArray savedZone = qgetenv("TZ");
    qputenv("TZ", zone);
    tzset();
    const int iOffset = GetLocalUtcOffset();
    qputenv("TZ", savedZone);
    tzset();
    QVERIFY2(iOffset == iWinter || iOffset == iSummer, qPrintable(QString::number(iOffset)));
}

void TestGuiFunctions::waitAndSleep()
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

QTEST_MAIN(TestGuiFunctions)
#include "tst_guifunctions.moc"
