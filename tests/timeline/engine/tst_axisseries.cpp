#include "ChartTestSupport.h"

#include "foundation/GuiFunctionsInternal.h"
#include "timeline/engine/AxisSeries.h"

#include <QtCore/QDateTime>
#include <QtCore/QFile>
#include <QtTest/QtTest>

#include <climits>

using namespace OrvaGUIToolkit;
using ChartTest::CTimeZoneScope;
using ChartTest::Bounds;

namespace {

// An odd base catches formulas that forget it.
constexpr qint64 s_iBase = 123457;
// 2022-01-08 00:00 UTC as a horizontal value.
const double s_dUtcMidnight = double(86400 * 19000 - s_iBase);

const QColor s_colorScale(255, 0, 0);
const QColor s_colorText(0, 160, 0);

bool HasZone(const QByteArray& zone)
{
    return QFile::exists(QStringLiteral("/usr/share/zoneinfo/") + QString::fromLatin1(zone));
}

// A date in the zone's current daylight-saving state, so that midnight at the
// current offset is midnight of that date.
QDate DateWithCurrentOffset()
{
    for (const QDate& date : {QDate(2024, 1, 15), QDate(2024, 7, 15)}) {
        if (QDateTime(date, QTime(12, 0)).offsetFromUtc() == GetLocalUtcOffset())
            return date;
    }
    return QDate();
}

// Horizontal value of an instant: time_t + current offset - base.
double AxisValue(qint64 iSecsSinceEpoch)
{
    return double(iSecsSinceEpoch + GetLocalUtcOffset() - s_iBase);
}

// An axis series with labels at y = 2 and ticks from y = 30 unless the
// default tops are kept.
struct SFixture : ChartTest::SFixture<CAxisSeries>
{
    SFixture(double dMin, double dMax, int iStep, int iWidth = 600, bool bDefaultTops = false)
        : ChartTest::SFixture<CAxisSeries>(new CAxisSeries(s_iBase), dMin, dMax, 60, iWidth)
    {
        pSeries->SetInterval(iStep);
        if (!bDefaultTops) {
            pSeries->SetLabelTop(2);
            pSeries->SetTickTop(30);
        }
        option.colorScaleLine = s_colorScale;
        option.colorAxisSmallText = QColor(0, 0, 255);
        option.colorAxisText = s_colorText;
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
};

} // namespace

class TestAxisSeries : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void ticksCountFromLocalMidnight_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QTime>("timeStart");
        QTest::addColumn<int>("iSpan");
        QTest::addColumn<int>("iStep");
        QTest::addColumn<QStringList>("listLabels");

        // East and west of UTC, and a zone half an hour off the whole hours.
        for (const QByteArray zone : {QByteArray("Asia/Shanghai"), QByteArray("America/New_York"),
                                      QByteArray("Asia/Kolkata")}) {
            QTest::addRow("%s 10:30 every 20 min", zone.constData())
                << zone << QTime(10, 30) << 3600 << 1200 << QStringList{"10:40", "11:00", "11:20"};
            QTest::addRow("%s 07:10 every 6 h", zone.constData())
                << zone << QTime(7, 10) << 86400 << 21600 << QStringList{"12:00", "18:00", "00:00", "06:00"};
        }
    }

    void ticksCountFromLocalMidnight()
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

        // Labels show the clock time of each tick, so they pin the ticks' values.
        const double dMin = AxisValue(QDateTime(date, timeStart).toSecsSinceEpoch());
        QCOMPARE(SFixture(dMin, dMin + iSpan, iStep).Labels(), listLabels);
    }

    void acrossDaylightSaving()
    {
        if (!HasZone("Europe/Berlin"))
            QSKIP("time zone data is not installed");
        CTimeZoneScope scope("Europe/Berlin");
        // 2024-03-31 02:00 CET became 03:00 CEST.
        const qint64 iStart = QDateTime(QDate(2024, 3, 31), QTime(0, 0), Qt::OffsetFromUTC, 3600).toSecsSinceEpoch();
        const qint64 iEnd = QDateTime(QDate(2024, 4, 1), QTime(12, 0), Qt::OffsetFromUTC, 7200).toSecsSinceEpoch();

        // Hour labels follow the clock: the hour from 02:00 to 03:00 does not
        // exist that night, yet real hours stay evenly spaced (600 px for 6 h).
        SFixture hours(AxisValue(iStart), AxisValue(iStart) + 6 * 3600, 3600);
        QCOMPARE(hours.Labels(), (QStringList{"00:00", "01:00", "03:00", "04:00", "05:00", "06:00", "07:00"}));
        QCOMPARE(hours.pSeries->GetTicks().at(3).iX - hours.pSeries->GetTicks().at(1).iX, 200);

        // Whole days are laid out at the offset in force now, so 12-hour ticks sit
        // on the midnight and noon of that offset; labels show their own instant.
        SFixture days(AxisValue(iStart), AxisValue(iEnd), 43200);
        if (GetLocalUtcOffset() == 3600)
            QCOMPARE(days.Labels(), (QStringList{"00:00", "13:00", "01:00"}));
        else if (GetLocalUtcOffset() == 7200)
            QCOMPARE(days.Labels(), (QStringList{"12:00", "00:00", "12:00"}));
        else
            QFAIL("Europe/Berlin is neither at +1 nor at +2 hours");
    }

    void labelsAlternate()
    {
        CTimeZoneScope scope("UTC");
        // Starts at 00:15, so the first tick inside (00:20) is a major one.
        SFixture fixture(s_dUtcMidnight + 900, s_dUtcMidnight + 900 + 3600, 600);
        fixture.pSeries->SetLabelEvery(2);
        QStringList listLabels;
        for (const CAxisSeries::STick& tick : fixture.pSeries->GetTicks())
            listLabels << (tick.bMajor ? tick.strLabel : QStringLiteral("minor") + tick.strLabel);
        QCOMPARE(listLabels, (QStringList{"00:20", "minor", "00:40", "minor", "01:00", "minor"}));
        // 0 labels every tick.
        fixture.pSeries->SetLabelEvery(0);
        QCOMPARE(fixture.Labels().size(), 6);
    }

    void endTicksAreNudgedInside()
    {
        CTimeZoneScope scope("UTC");
        // Both ends on ticks: 00:00 and 02:00 over 600 pixels from x = 10.
        SFixture fixture(s_dUtcMidnight, s_dUtcMidnight + 7200, 3600);
        QVector<CAxisSeries::STick> vecTicks = fixture.pSeries->GetTicks();
        QCOMPARE(vecTicks.size(), 3);
        QCOMPARE(qMakePair(vecTicks.at(0).iX, vecTicks.at(2).iX), qMakePair(11, 609));

        // A fractional start: the first tick lies inside and is not nudged.
        fixture.SetRange(s_dUtcMidnight - 0.5, s_dUtcMidnight + 7199.5);
        fixture.panel.GetXAxis()->UpdatePixelRange();
        vecTicks = fixture.pSeries->GetTicks();
        QCOMPARE(vecTicks.size(), 2);
        QCOMPARE(vecTicks.at(0).strLabel, QStringLiteral("00:00"));
        QCOMPARE(vecTicks.at(0).iX, 10);
    }

    void drawsNothingWithoutStepOrWidth_data()
    {
        QTest::addColumn<int>("iStep");
        QTest::addColumn<int>("iWidth");
        QTest::addColumn<double>("dSpan");
        QTest::addColumn<int>("iTicks");
        QTest::newRow("no step yet") << -1 << 600 << 86400.0 << 0;
        QTest::newRow("narrow chart") << 3600 << 69 << 86400.0 << 0;
        QTest::newRow("just wide enough") << 3600 << 70 << 86400.0 << 24;
        QTest::newRow("zero-width range") << 3600 << 600 << 0.0 << 0;
        QTest::newRow("tiny step, long range") << 1 << 600 << 1.0e8 << CAxisSeries::s_iMaxTicks;
    }

    void drawsNothingWithoutStepOrWidth()
    {
        QFETCH(int, iStep);
        QFETCH(int, iWidth);
        QFETCH(double, dSpan);
        QFETCH(int, iTicks);
        CTimeZoneScope scope("UTC");
        SFixture fixture(s_dUtcMidnight + 1.0, s_dUtcMidnight + 1.0 + dSpan, iStep, iWidth);
        QCOMPARE(fixture.pSeries->GetTicks().size(), iTicks);
        QCOMPARE(Bounds(fixture.Paint()).isValid(), iTicks > 0);
    }

    void labelPlacement()
    {
        CTimeZoneScope scope("UTC");
        SFixture fixture(s_dUtcMidnight + 1800, s_dUtcMidnight + 1800 + 6 * 3600, 3600);
        const int iX = fixture.pSeries->GetTicks().at(2).iX;
        const QRect rectArea(iX - 50, 0, 100, 29);

        // Centred on the tick by default.
        QRect rectLabel = Bounds(fixture.Paint(), QColor(), rectArea);
        QVERIFY(rectLabel.left() < iX - 5 && qAbs(rectLabel.center().x() - iX) <= 2);

        // Alignment 1: the label starts 2 pixels right of the tick.
        fixture.pSeries->SetLabelAlignment(1);
        rectLabel = Bounds(fixture.Paint(), QColor(), rectArea);
        QVERIFY2(rectLabel.left() >= iX + 2 && rectLabel.left() <= iX + 4, qPrintable(QString::number(rectLabel.left())));
    }

    void defaultTopsAre42()
    {
        CTimeZoneScope scope("UTC");
        // 600 pixels for 6 hours, a tick at x = 60; labels every other tick: the
        // minor tick at x = 160 stands clear of them.
        SFixture fixture(s_dUtcMidnight + 1800, s_dUtcMidnight + 1800 + 6 * 3600, 3600, 600, true);
        fixture.pSeries->SetLabelEvery(2);
        const QRect rectMinor(130, 0, 60, 62);
        const QRect rectMajor(55, 0, 10, 62);
        QImage image = fixture.Paint();
        // Minor ticks are 1 x 5 pixels, major ones 2 x 7, both ending at the
        // tick; the label drawn over a major tick may cover its lowest row.
        QCOMPARE(Bounds(image, s_colorScale, rectMinor), QRect(159, 42, 1, 5));
        const QRect rectMajorTick = Bounds(image, s_colorScale, rectMajor);
        QCOMPARE(QRect(rectMajorTick.topLeft(), QSize(rectMajorTick.width(), 1)), QRect(59, 42, 2, 1));
        // The label box starts at row 42; its glyphs (right of the tick) a little lower.
        const QRect rectLabel = Bounds(image, QColor(), QRect(62, 0, 20, 62));
        QVERIFY(rectLabel.top() >= 42 && rectLabel.top() <= 46);

        // Simple mode raises the label box by 6 pixels, to row 36, and widens it
        // by half on each side, so the text starts left of the tick; the ticks stay.
        fixture.pSeries->SetSimple(true);
        image = fixture.Paint();
        QCOMPARE(Bounds(image, s_colorScale, rectMinor), QRect(159, 42, 1, 5));
        const QRect rectSimple = Bounds(image, QColor(), QRect(20, 0, 38, 62));
        // Simple mode keeps the painter's pen, the axis text colour.
        QVERIFY(Bounds(image, s_colorText, QRect(20, 0, 38, 62)).isValid());
        QVERIFY(rectSimple.top() >= 36 && rectSimple.top() <= 40);
    }

    void extremeSettings()
    {
        CTimeZoneScope scope("UTC");
        // LLONG_MIN mod 86400 = 30592: ticks 100 seconds apart fall on values
        // ending in 08; their times lie before any date, so they carry no label.
        ChartTest::SFixture<CAxisSeries> base(new CAxisSeries(LLONG_MIN));
        base.pSeries->SetInterval(100);
        base.pSeries->SetLabelEvery(INT_MIN);
        const QVector<CAxisSeries::STick> vecTicks = base.pSeries->GetTicks();
        QCOMPARE(QList<int>({int(vecTicks.size()), vecTicks.constFirst().iX}), QList<int>({6, 18}));
        QCOMPARE(vecTicks.constFirst().strLabel, QString());
        QVERIFY(Bounds(base.Paint()).isValid());
        // A step of INT_MAX leaves the tick at the start only.
        ChartTest::SFixture<CAxisSeries> step(new CAxisSeries(0));
        step.pSeries->SetInterval(INT_MAX);
        QCOMPARE(step.pSeries->GetTicks().size(), 1);
    }
};

QTEST_MAIN(TestAxisSeries)
#include "tst_axisseries.moc"
