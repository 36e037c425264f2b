#ifndef ORVAGUITOOLKIT_MULTITIMESLIDERPRIVATE_H
#define ORVAGUITOOLKIT_MULTITIMESLIDERPRIVATE_H

#include "TimeSliderPrivate.h"

#include <OrvaGUIToolkit/Timeline/MultiTimeSlider.h>

#include <QtCore/QPair>
#include <QtCore/QVector>

QT_BEGIN_NAMESPACE
class QMouseEvent;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {

class CAxisSeries;
class CBackGroundSeries;
class CLineSeries;
class CMouseTextSeries;
class CMultiChartView;
class CRectSeries;
class CScrollBar;
class CSelectRectSeries;
class CTagSeries;
class CTimeRectSeries;
class CTimeSilderPictureLabel;
class CTimeSliderFilterPopup;

class CMultiTimeSliderPrivate : public CTimeSliderPrivate
{
    Q_DECLARE_PUBLIC(CMultiTimeSlider)

public:
    // What the left button is doing on the chart: pressed on a track (a
    // click or a selection along it), dragging the time scale, or marking a
    // marquee range.
    enum class DragState { None, Pressed, Scale, Marquee };

    // Rows of the two presentations, in pixels.
    struct SLayout
    {
        int iTop;        // the time-scale band above the first track
        int iRowHeight;
        int iBandOffset; // from a row's top to its segments' top
    };
    static constexpr SLayout s_layoutNormal = {50, 24, 10};
    static constexpr SLayout s_layoutSimplify = {10, 10, 1};

    CMultiTimeSliderPrivate();
    ~CMultiTimeSliderPrivate() override;

    static CMultiTimeSliderPrivate* Get(CMultiTimeSlider* pSlider) { return pSlider->d_func(); }
    static const CMultiTimeSliderPrivate* Get(const CMultiTimeSlider* pSlider) { return pSlider->d_func(); }

    CMultiChartView* View() const;
    void InitMulti();

    // Vertical value of row iRow's top: row names, play marks and the
    // row-selection boundaries sit there.
    int RowTop(int iRow) const { return m_layout.iTop + iRow * m_layout.iRowHeight; }
    // Vertical value of the top of row iRow's segments.
    int BandTop(int iRow) const { return RowTop(iRow) + m_layout.iBandOffset; }
    // The vertical range: the time-scale band and every row.
    double VerticalSpan() const;
    // The vertical scroll position (the top of the vertical range).
    int ScrollOffset() const;
    // The track whose band holds the point (view coordinates), else -1.
    int TrackAt(const QPoint& point) const;

    CTimeRectSeries* NewTrack() const;
    // Grows the segment series to iCount tracks.
    void AddTracks(int iCount);
    // One row-name point and one play mark per counted row.
    void FitRowPoints();
    void RebuildSelectSeries();
    void PlaceRows();
    // Moves every segment into its track's band of the current layout.
    void PlaceSegments();
    void ApplyFilter();
    // The horizontal value under a view x, inside the visible range.
    double ValueAtX(int iX) const;
    bool InTopBand(const QPoint& point, bool bReduced) const;
    void UpdateMarquee(const QPoint& ptMouse);
    // Tags sit on the first track's band; they are drawn in pixels, so they
    // are placed again whenever the tracks scroll.
    void PlaceTags();
    // Hides the thumbnail; emits, so the slider may be gone afterwards.
    void HideThumbnail();

    void OnViewPress(QMouseEvent* pEvent) override;
    void OnViewMove(QMouseEvent* pEvent) override;
    void OnViewRelease(QMouseEvent* pEvent) override;
    void OnViewEnter() override;
    void OnViewLeave() override;

    CScrollBar* m_pScrollBar = nullptr;
    CTimeSliderFilterPopup* m_pFilterPopup = nullptr;
    CTimeSilderPictureLabel* m_pThumbnail = nullptr;
    QTimer* m_pHoverTimer = nullptr;

    CBackGroundSeries* m_pBackGround = nullptr;
    QVector<CTimeRectSeries*> m_vecTracks;
    CLineSeries* m_pPlayMarks = nullptr;
    CRectSeries* m_pTopBand = nullptr;
    CAxisSeries* m_pAxis = nullptr;
    CMouseTextSeries* m_pMouseText = nullptr;
    CTagSeries* m_pTags = nullptr;
    CSelectRectSeries* m_pSelect = nullptr;

    SLayout m_layout = s_layoutNormal;
    bool m_bSimplify = false;
    unsigned m_uCount = 0;
    int m_iSelectedRow = -1;
    int m_iSpanType = struTimeSliderData::ScaleDayBy2Hours;
    QList<int> m_listFiltered = {-1};

    QPoint m_ptPress;
    // A left press happened since the last release.
    bool m_bHasPress = false;
    DragState m_enumDrag = DragState::None;
    int m_iMarqueeRow = -1;
    QList<QPair<double, double>> m_listMarqueeBefore;
};

} // namespace OrvaGUIToolkit

#endif
