#ifndef ORVAGUITOOLKIT_TIMELINE_MULTITIMESLIDER_H
#define ORVAGUITOOLKIT_TIMELINE_MULTITIMESLIDER_H

#include <OrvaGUIToolkit/Timeline/TimeSlider.h>

#include <QtCore/QList>
#include <QtCore/QMap>
#include <QtCore/QRect>
#include <QtCore/QStringList>
#include <QtGui/QIcon>
#include <QtGui/QPixmap>

namespace OrvaGUIToolkit {

class CMultiTimeSliderPrivate;

// The playback timeline of several channels: one track per channel (at most
// 64) under a common time scale, channel names on the left, segments coloured
// by record level, tags, a selected-row outline, an optional marquee, play
// marks per track or one shared mid line (sync time), a vertical scroll bar
// when the tracks do not fit, a hover thumbnail and a level filter pop-up.
//
// Mouse: dragging the top band (the time scale) moves the visible range; a
// click on a track emits SignalMouseClick() with the track and the time under
// the mouse; a drag along a track emits SignalSelect(); with the marquee open
// (m_bOpenSelectRect of the view), a drag with Shift held marks a time range
// of the row instead. Resting on a recording asks for a thumbnail.
class ORVAGUITOOLKIT_EXPORT CMultiTimeSlider : public CTimeSlider
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CMultiTimeSlider)

public:
    explicit CMultiTimeSlider(QWidget* pParent = nullptr);
    ~CMultiTimeSlider() override;

    // Adds the background, first track, play marks, top band, time scale,
    // mouse text and tags. Called once by the constructor.
    void LoadChartView();

    // The number of tracks, at most 64. Segment series are only added, never
    // removed: a lower count keeps them, but the rows drawn, the vertical
    // range and the track indexes accepted follow the count. Scrolls back to
    // the first track.
    void SetTimeSliderCount(unsigned uCount);
    unsigned GetTimeSliderCount() const;

    void SetChartName(unsigned uIndex, const QString& strName);
    void SetChartNames(const QStringList& listNames);

    // Segments of one track, each clipped to the browsable days (a segment
    // outside them, a reversed one or invalid date-times is skipped); an
    // out-of-range track is ignored. Then repaints.
    void AddTime(const QList<struTimeSliderData::TimeSegmentParam>& listSegments, int iIndex);
    void AddTime(const QMap<unsigned, QList<struTimeSliderData::TimeSegmentParam>>& mapSegments);
    // Tags (begin, end and name) on the first track's row.
    void AddTag(const QList<struTimeSliderData::TimeSegmentParam>& listTags);
    void ClearTime(int iIndex);
    void RemoveTimeByTimeLevel(int iIndex, int iLevel);
    void ClearAllTimeRectSeries();
    void ClearTag();

    // Play mark of one track (sync time off); an index without a track sets no
    // mark. With bFollow the view re-centres on a time outside the visible
    // range, whatever the index.
    void SetPlayTime(unsigned uIndex, unsigned uTime, bool bFollow);
    // -1 or any index without a track clears every mark.
    void ClearSinglePlayLine(int iIndex);
    // Sync time: one mid line for all tracks instead of play marks.
    void OpenSynTime();
    void CloseSynTime();
    bool IsSyncTime() const;
    void SetSyncTime(unsigned uTime);
    void SetCurrentTime(const QDateTime& dtTime);

    // The selected row's outline. The index is stored as given (0xFFFFFFFF
    // reads back as -1 and clears it); a row without a track shows none.
    void SetSelectIndex(unsigned uIndex);
    int GetSelectIndex() const;
    void ClearSelectTimeSlider();
    // Scrolls so that the track is among the four first visible rows.
    void SetShowIndex(unsigned uIndex);

    bool IsOpenSelectRect() const;
    // The marquee row (0xFFFFFFFF for none) and its ranges in axis values.
    // With a single track there is no row selection: the list is emptied and
    // uIndex is left untouched.
    void GetMarqueeAreaRects(unsigned& uIndex, QList<struTimeSliderData::SelectedData>& listData) const;
    // The same, each range reduced to the part the row's recordings cover;
    // ranges without recordings are dropped.
    void GetValidMarqueeAreaRects(unsigned& uIndex, QList<struTimeSliderData::SelectedData>& listData) const;
    void ClearMarqueeArea();

    // Record levels: entries of the filter pop-up, and the levels every track
    // shows (-1 alone shows all).
    void AddTimeLevel(const QIcon& icon, const QString& strText, int iLevel);
    void AddTimeLevels(const QList<int>& listLevels);
    void SetFilteredLevels(const QList<int>& listLevels);
    QList<int> GetFilteredLevels() const;
    void ClearTimeLevel();

    // Zooms to the level unless it equals the one set here before (9 at
    // first); Reset() returns to it.
    void SetSpanType(struTimeSliderData::TimeSliderOneScale enumLevel);
    // One-way switch to slim tracks (10 pixels) without the calendar button.
    void SetShowSimplifyMode();
    bool IsSimplifyMode() const;
    void SetCalendarHide(bool bHide);
    // Shows the thumbnail pop-up above the mouse with the picture.
    void ShowThumbnail(const QPixmap& pixmap);
    int GetHintHeight() const;
    void Reset() override;
    // Shows the vertical scroll bar when the tracks do not fit.
    void UpdateTimeSlider();

    // Where track iTrack's recordings are drawn now, in the slider's
    // coordinates: the chart's width and one row's height, moved up by the
    // vertical scrolling. An empty rectangle for an index without a track.
    // Clients align their own per-track widgets (names, buttons) with it.
    QRect GetTrackRect(int iTrack) const;

    static constexpr unsigned s_uMaxCount = 64;

public Q_SLOTS:
    void OnPopupFilterMenu();
    void OnFilterTriggered(QList<int> listLevels);
    void OnScrollBarValueChanged(int iValue);
    void OnHoverTimerOut();

Q_SIGNALS:
    void SignalMouseClick(time_t tTime);
    void SignalMouseClick(int iIndex, time_t tTime);
    void SignalSelect(int iIndex, time_t tBegin, time_t tEnd);
    void SignalClicked(int iIndex);
    void SignalPopupCalendar();
    void SignalCalendarDateChanged(QDate dtDate);
    void SignalFilterTriggered(QList<int> listLevels);
    void SignalThumbnail(bool bShow, time_t tTime);
    void SignalThumbnail(bool bShow);
    // The tracks scrolled vertically to iOffset pixels from the top (0: the
    // first track right under the time scale). Delivered from the event loop,
    // after the scrolling is done.
    void SignalVisibleRowsScrolled(int iOffset);

protected:
    void resizeEvent(QResizeEvent* pEvent) override;

};

} // namespace OrvaGUIToolkit

#endif
