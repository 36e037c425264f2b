// Repaint cost of a chart view holding one segment series, against the floor:
// a plain loop that fills the same visible rectangles into a pixmap of the
// same size with QPainter::fillRect.
//
// Recordings: a week of segments (continuous recording with event recordings
// among them), 1 000, 10 000 or 100 000 in one series; the visible range is
// one day. Modes:
//   repaint  unchanged range and scale (no recalculation);
//   scroll   the range moves by an hour back and forth, same scale;
//   zoom     the visible span alternates between one day and half a day, so
//            every repaint recalculates the cached pixels.
// Each runs at two widget widths (two scales for the same day).
//
// QBENCHMARK rows give the time per repaint of the chart and of the floor;
// summary() measures both interleaved in the same process and prints their
// ratio, which is steadier on a busy machine. Like the multi-track benchmark it
// also prints what one clear of the whole pixmap costs (a repaint of the chart
// clears its background except under wide opaque fills, the floor clears
// nothing) and the ratio to the floor plus that clear: with 1 000 recordings a
// day shows a hundred narrow rectangles, and the clear is most of a repaint.
//
// Run: QT_QPA_PLATFORM=offscreen build/bench/bench/timeline/bench_chartview

#include "timeline/engine/ChartStyleOption.h"
#include "timeline/engine/ChartView.h"
#include "timeline/engine/TimeRectSeries.h"

#include <QtCore/QElapsedTimer>
#include <QtCore/QRandomGenerator>
#include <QtGui/QPainter>
#include <QtTest/QtTest>

#include <algorithm>

using namespace OrvaGUIToolkit;

namespace {

constexpr int s_iDay = 86400;
constexpr int s_iWeek = 7 * s_iDay;
constexpr int s_iHeight = 60;
constexpr int s_iBandTop = 29;
constexpr int s_iBandBottom = 36;

class CBenchChartView : public CChartView
{
public:
    CBenchChartView() { setAttribute(Qt::WA_DontShowOnScreen); }
    void InitChartStyleOption(CChartStyleOption&) override {}
};

struct SSegment
{
    int iBegin;
    int iEnd;
    int iType;
};

// A week of recordings: continuous segments with gaps, about one in five an
// event recording, in chronological order as a recorder reports them.
QVector<SSegment> MakeWeek(int iCount)
{
    QRandomGenerator generator(20261205u + iCount);
    QVector<SSegment> vecSegments;
    vecSegments.reserve(iCount);
    const double dCycle = double(s_iWeek) / iCount;
    for (int i = 0; i < iCount; ++i) {
        const int iBegin = int(i * dCycle + generator.bounded(dCycle * 0.1));
        const int iLength = qMax(1, int(dCycle * (0.3 + generator.bounded(0.6))));
        vecSegments.append({iBegin, iBegin + iLength, generator.bounded(5) == 0 ? 2 : 1});
    }
    return vecSegments;
}

QBrush BrushOf(int iType)
{
    return iType == 2 ? QBrush(QColor(0xe0, 0x4f, 0x4f)) : QBrush(QColor(0x3b, 0x8e, 0xea));
}

struct SView
{
    CBenchChartView view;
    CTimeRectSeries* pSeries = new CTimeRectSeries;

    SView(const QVector<SSegment>& vecSegments, int iWidth)
    {
        view.AddSeries(pSeries);
        for (const SSegment& segment : vecSegments)
            pSeries->AddRect(QPoint(segment.iBegin, s_iBandTop), QPoint(segment.iEnd, s_iBandBottom),
                             BrushOf(segment.iType), segment.iType);
        view.resize(iWidth, s_iHeight);
        view.UpdateChart();
    }
};

// The rectangles a repaint of [dMin, dMax] shows, placed exactly.
struct SAnchorFrame
{
    QVector<QRect> vecRects;
    QVector<QBrush> vecBrushes;
};

SAnchorFrame VisibleRects(const QVector<SSegment>& vecSegments, CChartView& view, double dMin, double dMax)
{
    view.GetXAxis()->SetRange(dMin, dMax);
    view.UpdateRects();
    view.GetXAxis()->UpdatePixelRange();
    const CChartAxis& axis = *view.GetXAxis();
    SAnchorFrame frame;
    for (int iType : {1, 2}) {
        for (const SSegment& segment : vecSegments) {
            if (segment.iType != iType || segment.iEnd < dMin || segment.iBegin > dMax)
                continue;
            const int iX1 = axis.ValueToPixel(qMax<double>(segment.iBegin, dMin));
            const int iX2 = axis.ValueToPixel(qMin<double>(segment.iEnd, dMax));
            frame.vecRects.append(QRect(iX1, s_iBandTop, iX2 - iX1 + 1, s_iBandBottom - s_iBandTop));
            frame.vecBrushes.append(BrushOf(iType));
        }
    }
    return frame;
}

void FillAnchor(QPixmap& pixmap, const SAnchorFrame& frame)
{
    QPainter painter(&pixmap);
    for (int i = 0; i < frame.vecRects.size(); ++i)
        painter.fillRect(frame.vecRects.at(i), frame.vecBrushes.at(i));
}

// The two ranges a mode alternates between.
void RangesOf(const QString& strMode, double& dMin1, double& dMax1, double& dMin2, double& dMax2)
{
    const double dDayStart = 3.0 * s_iDay;
    dMin1 = dDayStart;
    dMax1 = dDayStart + s_iDay;
    dMin2 = dMin1;
    dMax2 = dMax1;
    if (strMode == QLatin1String("scroll")) {
        dMin2 += 3600.0;
        dMax2 += 3600.0;
    } else if (strMode == QLatin1String("zoom")) {
        dMin2 += s_iDay / 4.0;
        dMax2 -= s_iDay / 4.0;
    }
}

const QVector<SSegment>& Week(int iCount)
{
    static QMap<int, QVector<SSegment>> s_mapWeeks;
    auto it = s_mapWeeks.find(iCount);
    if (it == s_mapWeeks.end())
        it = s_mapWeeks.insert(iCount, MakeWeek(iCount));
    return it.value();
}

} // namespace

class BenchChartView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void updateChart_data();
    void updateChart();
    void summary();
};

void BenchChartView::updateChart_data()
{
    QTest::addColumn<int>("iCount");
    QTest::addColumn<QString>("strMode");
    QTest::addColumn<int>("iWidth");
    QTest::addColumn<bool>("bAnchor");
    for (int iCount : {1000, 10000, 100000}) {
        for (const char* szMode : {"repaint", "scroll", "zoom"}) {
            for (int iWidth : {1200, 1920}) {
                for (bool bAnchor : {false, true}) {
                    QTest::addRow("%d %s %dpx %s", iCount, szMode, iWidth, bAnchor ? "floor" : "chart")
                        << iCount << QString::fromLatin1(szMode) << iWidth << bAnchor;
                }
            }
        }
    }
}

void BenchChartView::updateChart()
{
    QFETCH(int, iCount);
    QFETCH(QString, strMode);
    QFETCH(int, iWidth);
    QFETCH(bool, bAnchor);
    const QVector<SSegment>& vecSegments = Week(iCount);
    SView view(vecSegments, iWidth);
    double dMin1, dMax1, dMin2, dMax2;
    RangesOf(strMode, dMin1, dMax1, dMin2, dMax2);

    if (bAnchor) {
        const SAnchorFrame frames[2] = {VisibleRects(vecSegments, view.view, dMin1, dMax1),
                                        VisibleRects(vecSegments, view.view, dMin2, dMax2)};
        QPixmap pixmap(view.view.size());
        pixmap.fill(Qt::black);
        int iFrame = 0;
        QBENCHMARK {
            FillAnchor(pixmap, frames[iFrame]);
            iFrame ^= 1;
        }
        return;
    }
    view.view.GetXAxis()->SetRange(dMin1, dMax1);
    view.view.UpdateChart();
    bool bSecond = false;
    QBENCHMARK {
        bSecond = !bSecond;
        view.view.GetXAxis()->SetRange(bSecond ? dMin2 : dMin1, bSecond ? dMax2 : dMax1);
        view.view.UpdateChart();
    }
}

void BenchChartView::summary()
{
    constexpr int s_iRounds = 41;
    constexpr int s_iRepeats = 20;
    qInfo("%-8s %-8s %6s %10s %10s %7s %10s %12s", "segments", "mode", "width", "chart us", "floor us", "ratio",
          "clear us", "ratio+clear");
    for (int iCount : {1000, 10000, 100000}) {
        const QVector<SSegment>& vecSegments = Week(iCount);
        for (const QString& strMode : {QStringLiteral("repaint"), QStringLiteral("scroll"), QStringLiteral("zoom")}) {
            for (int iWidth : {1200, 1920}) {
                SView view(vecSegments, iWidth);
                double dMin1, dMax1, dMin2, dMax2;
                RangesOf(strMode, dMin1, dMax1, dMin2, dMax2);
                const SAnchorFrame frames[2] = {VisibleRects(vecSegments, view.view, dMin1, dMax1),
                                                VisibleRects(vecSegments, view.view, dMin2, dMax2)};
                QPixmap pixmap(view.view.size());
                pixmap.fill(Qt::black);
                view.view.GetXAxis()->SetRange(dMin1, dMax1);
                view.view.UpdateChart();

                // Rounds alternate between chart and floor so that load from
                // elsewhere hits both alike; the fastest round of each counts,
                // since such load only ever adds time.
                QVector<double> vecChart;
                QVector<double> vecFloor;
                QVector<double> vecClear;
                QElapsedTimer timer;
                for (int iRound = 0; iRound < s_iRounds; ++iRound) {
                    timer.start();
                    for (int i = 0; i < s_iRepeats; ++i) {
                        QPainter painter(&pixmap);
                        painter.fillRect(pixmap.rect(), view.view.palette().color(view.view.backgroundRole()));
                    }
                    vecClear.append(timer.nsecsElapsed() / 1000.0 / s_iRepeats);
                    timer.start();
                    for (int i = 0; i < s_iRepeats; ++i) {
                        const bool bSecond = i % 2 == 0;
                        view.view.GetXAxis()->SetRange(bSecond ? dMin2 : dMin1, bSecond ? dMax2 : dMax1);
                        view.view.UpdateChart();
                    }
                    vecChart.append(timer.nsecsElapsed() / 1000.0 / s_iRepeats);
                    timer.start();
                    for (int i = 0; i < s_iRepeats; ++i)
                        FillAnchor(pixmap, frames[i % 2 == 0 ? 1 : 0]);
                    vecFloor.append(timer.nsecsElapsed() / 1000.0 / s_iRepeats);
                }
                std::sort(vecChart.begin(), vecChart.end());
                std::sort(vecFloor.begin(), vecFloor.end());
                std::sort(vecClear.begin(), vecClear.end());
                const double dChart = vecChart.constFirst();
                const double dFloor = vecFloor.constFirst();
                const double dClear = vecClear.constFirst();
                qInfo("%-8d %-8s %6d %10.1f %10.1f %7.2f %10.1f %12.2f", iCount, qPrintable(strMode), iWidth, dChart,
                      dFloor, dChart / dFloor, dClear, dChart / (dFloor + dClear));
            }
        }
    }
    QVERIFY(true);
}

QTEST_MAIN(BenchChartView)
#include "bench_chartview.moc"
