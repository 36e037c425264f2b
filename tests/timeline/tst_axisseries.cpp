#include "ChartTestSupport.h"

#include "foundation/GuiFunctionsInternal.h"
#include "timeline/AxisSeries.h"

#include <QtCore/QDateTime>
#include <QtCore/QFile>
#include <QtTest/QtTest>

using namespace OrvaGUIToolkit;
using ChartTest::CTimeZoneScope;

namespace {

// An odd base catches formulas that forget it.
constexpr qint64 s_iBase = 123457;

const QColor s_colorScale(255, 0, 0);
const QColor s_colorSmallText(0, 0, 255);
const QColor s_colorText(0, 160, 0);

bool HasZone(const QByteArray& zone)
{
    return QFile::exists(QStringLiteral("/usr/share/zoneinfo/") + QString::fromLatin1(zone));
}

// A date in the zone's current daylight-saving state, so that midnight at the
// current offset is midnight of that date.
QDate DateWithCurrentOffset()
{
    const int iOffset = GetLocalUtcOffset();
    for (const QDate& date : {QDate(2024, 1, 15), QDate(2024, 7, 15)}) {
        if (QDateTime(date, QTime(12, 0)).offsetFromUtc() == iOffset)
            return date;
    }
    return QDate();
}

// Horizontal value of a local date-time: time_t + current offset - base.
double AxisValue(const QDateTime& dtLocal)
{
    return double(dtLocal.toSecsSinceEpoch() + GetLocalUtcOffset() - s_iBase);
}

struct SFixture
{
    CAxisPanel panel;
    CAxisSeries* pSeries = new CAxisSeries(s_iBase);

    SFixture(double dMin, double dMax, int iStep, int iWidth = 600)
    {
        panel.AddSeries(pSeries);
        pSeries->SetInterval(iStep);
        pSeries->SetLabelTop(2);
        pSeries->SetTickTop(30);
        ChartTest::SetUp(panel, 10, iWidth, 60, dMin, dMax);
    }

    QStringList Labels() const
    {
        QStringList listLabels;
        for (const CAxisSeries::STick& tick : pSeries->GetTicks()) {
            if (tick.bMajor)
                listLabels << tick.strLabel;
        }
        return listLabels;
    }

    QImage Paint()
    {
        CChartStyleOption option;
        option.colorScaleLine = s_colorScale;
        option.colorAxisSmallText = s_colorSmallText;
        option.colorAxisText = s_colorText;
        return ChartTest::Render(panel, option, QSize(630, 62));
    }
};

// Number of non-white pixels inside a rectangle of the image.
int InkIn(const QImage& image, const QRect& rect)
{
    int iInk = 0;
    const QRect clipped = rect & image.rect();
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            if (image.pixelColor(x, y) != QColor(Qt::white))
                ++iInk;
        }
    }
    return iInk;
}

} // namespace

class TestAxisSeries : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void ticksCountFromLocalMidnight_data();
    void ticksCountFromLocalMidnight();
    void dayTicksFollowCurrentOffsetAcrossDaylightSaving();
    void hourLabelsFollowTheClockAcrossDaylightSaving();
    void labelsAlternate();
    void endTicksAreNudgedInside();
    void drawsNothingWithoutStepOrWidth_data();
    void drawsNothingWithoutStepOrWidth();
    void paintsMajorAndMinorTicks();
    void labelPlacement();
};

void TestAxisSeries::ticksCountFromLocalMidnight_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QTime>("timeStart");
    QTest::addColumn<int>("iSpan");
    QTest::addColumn<int>("iStep");
    QTest::addColumn<QStringList>("listLabels");

    for (const QByteArray zone : {QByteArray("Asia/Shanghai"), QByteArray("America/New_York"),
                                  QByteArray("Asia/Kolkata"), QByteArray("UTC")}) {
        QTest::addRow("%s 10:30 hourly", zone.constData())
            << zone << QTime(10, 30) << 4 * 3600 << 3600
            << QStringList{"11:00", "12:00", "13:00", "14:00"};
        QTest::addRow("%s 10:30 every 20 min", zone.constData())
            << zone << QTime(10, 30) << 3600 << 1200
            << QStringList{"10:40", "11:00", "11:20"};
        QTest::addRow("%s 07:10 every 6 h", zone.constData())
            << zone << QTime(7, 10) << 86400 << 21600
            << QStringList{"12:00", "18:00", "00:00", "06:00"};
        QTest::addRow("%s midnight start", zone.constData())
            << zone << QTime(0, 0) << 7200 << 1800
            << QStringList{"00:00", "00:30", "01:00", "01:30", "02:00"};
    }
}

void TestAxisSeries::ticksCountFromLocalMidnight()
{
    QFETCH(QByteArray, zone);
    QFETCH(QTime, timeStart);
    QFETCH(int, iSpan);
    QFETCH(int, iStep);
    QFETCH(QStringList, listLabels);
    if (!HasZone(zone))
        QSKIP("time zone data is not installed");
    CTimeZoneScope scope(zone);
    const QDate date = DateWithCurrentOffset();
    QVERIFY(date.isValid());

    const double dMin = AxisValue(QDateTime(date, timeStart));
    SFixture fixture(dMin, dMin + iSpan, iStep);
    QCOMPARE(fixture.Labels(), listLabels);

    // Ticks are iStep apart and the first one is the first step after midnight
    // that is not before the start.
    const QVector<CAxisSeries::STick> vecTicks = fixture.pSeries->GetTicks();
    const double dMidnight = AxisValue(QDateTime(date, QTime(0, 0)));
    const double dFirst = dMidnight + std::ceil((dMin - dMidnight) / iStep) * iStep;
    QCOMPARE(double(vecTicks.first().iValue), dFirst);
    for (int i = 1; i < vecTicks.size(); ++i)
        QCOMPARE(vecTicks.at(i).iValue - vecTicks.at(i - 1).iValue, qint64(iStep));
}

void TestAxisSeries::dayTicksFollowCurrentOffsetAcrossDaylightSaving()
{
    if (!HasZone("Europe/Berlin"))
        QSKIP("time zone data is not installed");
    CTimeZoneScope scope("Europe/Berlin");
    // 2024-03-31 02:00 CET became 03:00 CEST. The scale lays whole days out at
    // the offset in force now, so its 12-hour ticks sit on the midnight and noon
    // of that offset; labels show the clock of their own instant.
    const qint64 iStart = QDateTime(QDate(2024, 3, 31), QTime(0, 0), Qt::OffsetFromUTC, 3600).toSecsSinceEpoch();
    const qint64 iEnd = QDateTime(QDate(2024, 4, 1), QTime(12, 0), Qt::OffsetFromUTC, 7200).toSecsSinceEpoch();
    const int iOffset = GetLocalUtcOffset();
    SFixture fixture(double(iStart + iOffset - s_iBase), double(iEnd + iOffset - s_iBase), 43200);
    if (iOffset == 3600)
        QCOMPARE(fixture.Labels(), (QStringList{"00:00", "13:00", "01:00"}));
    else if (iOffset == 7200)
        QCOMPARE(fixture.Labels(), (QStringList{"12:00", "00:00", "12:00"}));
    else
        QFAIL("Europe/Berlin is neither at +1 nor at +2 hours");
}

void TestAxisSeries::hourLabelsFollowTheClockAcrossDaylightSaving()
{
    if (!HasZone("Europe/Berlin"))
        QSKIP("time zone data is not installed");
    CTimeZoneScope scope("Europe/Berlin");
    const qint64 iStart = QDateTime(QDate(2024, 3, 31), QTime(0, 0), Qt::OffsetFromUTC, 3600).toSecsSinceEpoch();
    const int iOffset = GetLocalUtcOffset();
    const double dMin = double(iStart + iOffset - s_iBase);
    SFixture fixture(dMin, dMin + 6 * 3600, 3600);
    // The hour from 02:00 to 03:00 does not exist that night.
    QCOMPARE(fixture.Labels(), (QStringList{"00:00", "01:00", "03:00", "04:00", "05:00", "06:00", "07:00"}));
    // Real hours stay evenly spaced: 600 pixels over 6 hours.
    const QVector<CAxisSeries::STick> vecTicks = fixture.pSeries->GetTicks();
    QCOMPARE(vecTicks.at(3).iX - vecTicks.at(2).iX, 100);
    QCOMPARE(vecTicks.at(2).iX - vecTicks.at(1).iX, 100);
}

void TestAxisSeries::labelsAlternate()
{
    CTimeZoneScope scope("UTC");
    // Starts at 00:15, so the first tick inside (00:20) is a major one.
    const double dMidnight = double(86400 * 19000 - s_iBase);
    SFixture fixture(dMidnight + 900, dMidnight + 900 + 3600, 600);
    fixture.pSeries->SetLabelEvery(2);
    const QVector<CAxisSeries::STick> vecTicks = fixture.pSeries->GetTicks();
    QCOMPARE(vecTicks.size(), 6);
    QStringList listLabels;
    for (int i = 0; i < vecTicks.size(); ++i) {
        QCOMPARE(vecTicks.at(i).bMajor, i % 2 == 0);
        listLabels << vecTicks.at(i).strLabel;
    }
    QCOMPARE(listLabels, (QStringList{"00:20", "", "00:40", "", "01:00", ""}));

    fixture.pSeries->SetLabelEvery(4);
    QCOMPARE(fixture.Labels(), (QStringList{"00:20", "01:00"}));
    fixture.pSeries->SetLabelEvery(0);
    QCOMPARE(fixture.Labels().size(), 6);
}

void TestAxisSeries::endTicksAreNudgedInside()
{
    CTimeZoneScope scope("UTC");
    const double dMidnight = double(86400 * 19000 - s_iBase);
    // Both ends on ticks: 00:00 and 02:00 over 600 pixels from x = 10.
    SFixture fixture(dMidnight, dMidnight + 7200, 3600);
    QVector<CAxisSeries::STick> vecTicks = fixture.pSeries->GetTicks();
    QCOMPARE(vecTicks.size(), 3);
    QCOMPARE(vecTicks.at(0).iX, 11);
    QCOMPARE(vecTicks.at(1).iX, 310);
    QCOMPARE(vecTicks.at(2).iX, 609);

    // A fractional start: the first tick lies inside and is not nudged.
    fixture.panel.GetXAxis()->SetRange(dMidnight - 0.5, dMidnight + 7199.5);
    fixture.panel.GetXAxis()->UpdatePixelRange();
    vecTicks = fixture.pSeries->GetTicks();
    QCOMPARE(vecTicks.size(), 2);
    QCOMPARE(vecTicks.at(0).strLabel, QStringLiteral("00:00"));
    QCOMPARE(vecTicks.at(0).iX, 10);
}

void TestAxisSeries::drawsNothingWithoutStepOrWidth_data()
{
    QTest::addColumn<int>("iStep");
    QTest::addColumn<int>("iWidth");
    QTest::addColumn<double>("dSpan");
    QTest::addColumn<int>("iTicks");
    QTest::newRow("no step yet") << -1 << 600 << 86400.0 << 0;
    QTest::newRow("zero step") << 0 << 600 << 86400.0 << 0;
    QTest::newRow("negative step") << -600 << 600 << 86400.0 << 0;
    QTest::newRow("narrow chart") << 3600 << 69 << 86400.0 << 0;
    QTest::newRow("just wide enough") << 3600 << 70 << 86400.0 << 24;
    QTest::newRow("zero-width range") << 3600 << 600 << 0.0 << 0;
    QTest::newRow("tiny step, long range") << 1 << 600 << 1.0e8 << CAxisSeries::s_iMaxTicks;
}

void TestAxisSeries::drawsNothingWithoutStepOrWidth()
{
    QFETCH(int, iStep);
    QFETCH(int, iWidth);
    QFETCH(double, dSpan);
    QFETCH(int, iTicks);
    CTimeZoneScope scope("UTC");
    const double dStart = double(86400 * 19000 - s_iBase) + 1.0;
    SFixture fixture(dStart, dStart + dSpan, iStep, iWidth);
    QCOMPARE(fixture.pSeries->GetTicks().size(), iTicks);
    const QImage image = fixture.Paint();
    QCOMPARE(InkIn(image, image.rect()) > 0, iTicks > 0);
}

void TestAxisSeries::paintsMajorAndMinorTicks()
{
    CTimeZoneScope scope("UTC");
    const double dMidnight = double(86400 * 19000 - s_iBase);
    // 600 pixels for 6 hours: ticks every 100 pixels from x = 110.
    SFixture fixture(dMidnight + 1800, dMidnight + 1800 + 6 * 3600, 3600);
    fixture.pSeries->SetLabelEvery(2);
    const QImage image = fixture.Paint();
    const QVector<CAxisSeries::STick> vecTicks = fixture.pSeries->GetTicks();
    QCOMPARE(vecTicks.size(), 6);
    QCOMPARE(vecTicks.at(0).iX, 60);
    for (const CAxisSeries::STick& tick : vecTicks) {
        const int iHeight = tick.bMajor ? 7 : 5;
        for (int y = 30; y < 30 + iHeight; ++y)
            QCOMPARE(image.pixelColor(tick.iX - 1, y), s_colorScale);
        QCOMPARE(image.pixelColor(tick.iX - 1, 30 + iHeight), QColor(Qt::white));
        QCOMPARE(image.pixelColor(tick.iX, 30), tick.bMajor ? s_colorScale : QColor(Qt::white));
        QCOMPARE(image.pixelColor(tick.iX + 1, 30), QColor(Qt::white));
        // Labels only over major ticks.
        const QRect rectLabel(tick.iX - 20, 0, 40, 28);
        QCOMPARE(InkIn(image, rectLabel) > 0, tick.bMajor);
    }
}

void TestAxisSeries::labelPlacement()
{
    CTimeZoneScope scope("UTC");
    const double dMidnight = double(86400 * 19000 - s_iBase);
    SFixture fixture(dMidnight + 1800, dMidnight + 1800 + 6 * 3600, 3600);
    const int iX = fixture.pSeries->GetTicks().at(2).iX;

    // Centred on the tick by default.
    QImage image = fixture.Paint();
    QVERIFY(InkIn(image, QRect(iX - 20, 0, 19, 28)) > 0);
    QVERIFY(InkIn(image, QRect(iX + 1, 0, 20, 28)) > 0);

    // Alignment 1: the label starts 2 pixels right of the tick.
    fixture.pSeries->SetLabelAlignment(1);
    image = fixture.Paint();
    QCOMPARE(InkIn(image, QRect(iX - 30, 0, 31, 28)), 0);
    QVERIFY(InkIn(image, QRect(iX + 2, 0, 40, 28)) > 0);

    // Simple mode keeps the painter's pen (the axis text colour) and raises
    // the label by 6 pixels.
    fixture.pSeries->SetSimple(true);
    fixture.pSeries->SetLabelTop(20);
    image = fixture.Paint();
    bool bTextColour = false;
    int iTop = image.height();
    for (int y = 0; y < 29; ++y) {
        for (int x = iX - 30; x < iX + 40; ++x) {
            const QColor color = image.pixelColor(x, y);
            if (color == QColor(Qt::white))
                continue;
            iTop = qMin(iTop, y);
            bTextColour = bTextColour || (color.green() > color.blue() && color.green() > color.red());
        }
    }
    QVERIFY(bTextColour);
    QVERIFY2(iTop < 20, qPrintable(QString::number(iTop)));
}

QTEST_MAIN(TestAxisSeries)
#include "tst_axisseries.moc"
