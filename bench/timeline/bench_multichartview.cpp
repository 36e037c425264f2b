// Repaint cost of the multi-track timeline against the floor: a plain loop
// that fills the same visible rectangles into a pixmap of the same size with
// QPainter::fillRect.
//
// 64 tracks of 2 000 segments each over a week (continuous runs with gaps and
// event clips among them, each record type in chronological order as a
// recorder reports it), all tracks on screen (1 200 x 1 596 pixels). Modes:
//   level N  a repaint of the view at zoom level N, range and scale unchanged;
//   drag     the time scale dragged 40 pixels back and forth at level 9 (a
//            drag step: a new range at the same scale, then a repaint).
//
// QBENCHMARK rows give the time per repaint of the view and of the floor;
// summary() measures both interleaved in the same process and prints their
// ratio, which is steadier on a busy machine. It also prints what one clear of
// the whole pixmap costs (a repaint of the view clears its background except
// under wide opaque fills, the floor clears nothing) and the ratio to the floor
// plus that clear: at the narrow levels only a few hundred rectangles show and
// the clear and the time-scale labels are most of the view's cost.
//
// Run: QT_QPA_PLATFORM=offscreen build/bench/bench/bench_multichartview

#include "timeline/engine/ChartView.h"

#include <OrvaGUIToolkit/Timeline/MultiTimeSlider.h>

#include <QtCore/QElapsedTimer>
#include <QtCore/QRandomGenerator>
#include <QtGui/QMouseEvent>
#include <QtGui/QPainter>
#include <QtTest/QtTest>

#include <algorithm>
#include <functional>
#include <memory>

using namespace OrvaGUIToolkit;

namespace {

constexpr int s_iTracks = 64;
constexpr int s_iSegments = 2000;
constexpr int s_iDays = 7;
constexpr int s_iWidth = 1200;
constexpr int s_iDragPixels = 40;
// The multi-track timeline's rows: the time-scale band on top, rows of 24
// pixels, each segment's band 10 pixels below its row's top.
constexpr int s_iTop = 50;
constexpr int s_iRowHeight = 24;
constexpr int s_iBandOffset = 10;
const QDate s_dayFirst(2026, 11, 29);

QBrush BrushOf(int iLevel)
{
    return iLevel == 2 ? QBrush(QColor(197, 113, 45)) : QBrush(QColor(93, 128, 248));
}

// One track's week: 1 600 continuous runs with gaps, 400 event clips.
QList<struTimeSliderData::TimeSegmentParam> MakeTrack(int iTrack)
{
    QRandomGenerator generator(quint32(20261206 + iTrack));
    const QDateTime dtStart(s_dayFirst, QTime(0, 0));
    const qint64 iWeek = qint64(s_iDays) * 86400;
    QList<struTimeSliderData::TimeSegmentParam> listSegments;
    constexpr int s_iRuns = s_iSegments * 4 / 5;
    const double dRun = double(iWeek) / s_iRuns;
    for (int i = 0; i < s_iRuns; ++i) {
        const qint64 iBegin = qint64(i * dRun);
        const qint64 iLength = qint64(dRun * (0.6 + generator.bounded(0.35)));
        listSegments.append({dtStart.addSecs(iBegin), dtStart.addSecs(iBegin + iLength), BrushOf(1), 1, {}});
    }
    constexpr int s_iClips = s_iSegments - s_iRuns;
    const double dClip = double(iWeek) / s_iClips;
    for (int i = 0; i < s_iClips; ++i) {
        const qint64 iBegin = qint64(i * dClip + generator.bounded(dClip * 0.5));
        listSegments.append({dtStart.addSecs(iBegin), dtStart.addSecs(iBegin + 60 + generator.bounded(240)),
                             BrushOf(2), 2, {}});
    }
    return listSegments;
}

const QVector<QList<struTimeSliderData::TimeSegmentParam>>& Tracks()
{
    static QVector<QList<struTimeSliderData::TimeSegmentParam>> s_vecTracks;
    if (s_vecTracks.isEmpty()) {
        for (int i = 0; i < s_iTracks; ++i)
            s_vecTracks.append(MakeTrack(i));
    }
    return s_vecTracks;
}

// The segments as time_t (begin, end) per track and level, converted once:
// local date-time conversions are slow enough to dominate the set-up.
struct STimes
{
    qint64 iBegin;
    qint64 iEnd;
    int iLevel;
};

const QVector<QVector<STimes>>& TrackTimes()
{
    static QVector<QVector<STimes>> s_vecTimes;
    if (s_vecTimes.isEmpty()) {
        for (const QList<struTimeSliderData::TimeSegmentParam>& listTrack : Tracks()) {
            QVector<STimes> vecTrack;
            for (const struTimeSliderData::TimeSegmentParam& segment : listTrack)
                vecTrack.append({segment.dtBegin.toSecsSinceEpoch(), segment.dtEnd.toSecsSinceEpoch(), segment.iLevel});
            s_vecTimes.append(vecTrack);
        }
    }
    return s_vecTimes;
}

struct SSlider
{
    CMultiTimeSlider slider;
    // The slider's drawing surface, its one chart view child.
    CChartView* pView = slider.findChild<CChartView*>();

    SSlider()
    {
        slider.setAttribute(Qt::WA_DontShowOnScreen);
        slider.SetTimeRange(s_dayFirst, s_dayFirst.addDays(s_iDays - 1));
        slider.SetTimeSliderCount(s_iTracks);
        for (int i = 0; i < s_iTracks; ++i)
            slider.AddTime(Tracks().at(i), i);
        slider.resize(s_iWidth, s_iTop + s_iRowHeight * s_iTracks + s_iBandOffset);
        slider.show();
        QCoreApplication::processEvents();
    }

    // The level's span around the middle of the week.
    void ShowLevel(int iLevel)
    {
        slider.OnPlayTime(QDateTime(s_dayFirst.addDays(3), QTime(13, 17)));
        slider.SetSpanType(struTimeSliderData::TimeSliderOneScale(iLevel));
        pView->UpdateChart();
    }

    void SendMouse(QEvent::Type enumType, const QPoint& point)
    {
        QMouseEvent event(enumType, point, pView->mapToGlobal(point),
                          enumType == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                          enumType == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(pView, &event);
    }
};

// The rectangles a repaint of the current range shows, placed exactly: every
// visible segment of every track, clipped to the chart.
struct SAnchorFrame
{
    QVector<QRect> vecRects;
    QVector<QBrush> vecBrushes;
};

SAnchorFrame VisibleRects(SSlider& slider)
{
    CChartView& view = *slider.pView;
    view.UpdateRects();
    view.GetXAxis()->UpdatePixelRange();
    const CChartAxis& axis = *view.GetXAxis();
    double dMin = 0.0;
    double dMax = 0.0;
    axis.GetRange(dMin, dMax);
    SAnchorFrame frame;
    const int iRow = s_iRowHeight;
    // Axis value = time_t + this shift (the local offset less the base).
    const double dShift = slider.slider.TimeToValue(0);
    for (int iTrack = 0; iTrack < s_iTracks; ++iTrack) {
        const int iTop = s_iTop + iTrack * iRow + s_iBandOffset;
        for (int iLevel : {1, 2}) {
            for (const STimes& segment : TrackTimes().at(iTrack)) {
                if (segment.iLevel != iLevel)
                    continue;
                const double dBegin = double(segment.iBegin) + dShift;
                const double dEnd = double(segment.iEnd) + dShift;
                if (dEnd < dMin || dBegin > dMax)
                    continue;
                const int iX1 = axis.ValueToPixel(qMax(dBegin, dMin));
                const int iX2 = axis.ValueToPixel(qMin(dEnd, dMax));
                frame.vecRects.append(QRect(iX1, iTop, iX2 - iX1 + 1, iRow));
                frame.vecBrushes.append(BrushOf(iLevel));
            }
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

// One step of the measured work and the two floor frames it alternates between.
struct SCase
{
    std::function<void(int)> step;
    SAnchorFrame frames[2];
};

SCase MakeCase(SSlider& slider, int iLevel)
{
    SCase work;
    if (iLevel > 0) {
        slider.ShowLevel(iLevel);
        work.frames[0] = VisibleRects(slider);
        work.frames[1] = work.frames[0];
        work.step = [&slider](int) { slider.pView->UpdateChart(); };
        return work;
    }
    slider.ShowLevel(struTimeSliderData::ScaleDayBy2Hours);
    const QPoint ptPress(s_iWidth / 2, 20);
    slider.SendMouse(QEvent::MouseButtonPress, ptPress);
    slider.SendMouse(QEvent::MouseMove, ptPress - QPoint(s_iDragPixels, 0));
    work.frames[1] = VisibleRects(slider);
    slider.SendMouse(QEvent::MouseMove, ptPress);
    work.frames[0] = VisibleRects(slider);
    work.step = [&slider, ptPress](int i) {
        slider.SendMouse(QEvent::MouseMove, ptPress - QPoint(i % 2 == 0 ? s_iDragPixels : 0, 0));
        slider.pView->UpdateChart();
    };
    return work;
}

QString CaseName(int iLevel)
{
    return iLevel > 0 ? QStringLiteral("level %1").arg(iLevel) : QStringLiteral("drag");
}

const QList<int> s_listCases = {7, 8, 9, 10, 11, 12, 13, 14, 0};

} // namespace

class BenchMultiChartView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void repaint_data();
    void repaint();
    void summary();
};

void BenchMultiChartView::repaint_data()
{
    QTest::addColumn<int>("iLevel");
    QTest::addColumn<bool>("bAnchor");
    for (int iLevel : s_listCases) {
        for (bool bAnchor : {false, true}) {
            QTest::addRow("%s %s", qPrintable(CaseName(iLevel)), bAnchor ? "floor" : "view")
                << iLevel << bAnchor;
        }
    }
}

void BenchMultiChartView::repaint()
{
    QFETCH(int, iLevel);
    QFETCH(bool, bAnchor);
    SSlider slider;
    SCase work = MakeCase(slider, iLevel);
    int i = 0;
    if (bAnchor) {
        QPixmap pixmap(slider.pView->size());
        pixmap.fill(Qt::black);
        QBENCHMARK {
            FillAnchor(pixmap, work.frames[i % 2]);
            ++i;
        }
        return;
    }
    QBENCHMARK {
        work.step(i);
        ++i;
    }
}

void BenchMultiChartView::summary()
{
    constexpr int s_iRounds = 41;
    constexpr int s_iRepeats = 10;
    qInfo("%-10s %8s %10s %10s %7s %10s %12s", "case", "rects", "view us", "floor us", "ratio", "clear us",
          "ratio+clear");
    SSlider slider;
    for (int iLevel : s_listCases) {
        SCase work = MakeCase(slider, iLevel);
        QPixmap pixmap(slider.pView->size());
        pixmap.fill(Qt::black);
        // Rounds alternate between view and floor so that load from elsewhere
        // hits both alike; the fastest round of each counts, since such load
        // only ever adds time.
        QVector<double> vecView;
        QVector<double> vecFloor;
        QVector<double> vecClear;
        QElapsedTimer timer;
        for (int iRound = 0; iRound < s_iRounds; ++iRound) {
            timer.start();
            for (int i = 0; i < s_iRepeats; ++i) {
                QPainter painter(&pixmap);
                painter.fillRect(pixmap.rect(), QColor(0x15, 0x19, 0x1e));
            }
            vecClear.append(timer.nsecsElapsed() / 1000.0 / s_iRepeats);
            timer.start();
            for (int i = 0; i < s_iRepeats; ++i)
                work.step(i);
            vecView.append(timer.nsecsElapsed() / 1000.0 / s_iRepeats);
            timer.start();
            for (int i = 0; i < s_iRepeats; ++i)
                FillAnchor(pixmap, work.frames[i % 2]);
            vecFloor.append(timer.nsecsElapsed() / 1000.0 / s_iRepeats);
        }
        if (iLevel == 0)
            slider.SendMouse(QEvent::MouseButtonRelease, QPoint(s_iWidth / 2, 20));
        std::sort(vecView.begin(), vecView.end());
        std::sort(vecFloor.begin(), vecFloor.end());
        std::sort(vecClear.begin(), vecClear.end());
        const double dView = vecView.constFirst();
        const double dFloor = vecFloor.constFirst();
        const double dClear = vecClear.constFirst();
        qInfo("%-10s %8d %10.1f %10.1f %7.2f %10.1f %12.2f", qPrintable(CaseName(iLevel)),
              work.frames[0].vecRects.size(), dView, dFloor, dView / dFloor, dClear, dView / (dFloor + dClear));
    }
    QVERIFY(true);
}

QTEST_MAIN(BenchMultiChartView)
#include "bench_multichartview.moc"
