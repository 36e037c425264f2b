#ifndef ORVAGUITOOLKIT_TIMELINE_SINGLETIMESLIDER_H
#define ORVAGUITOOLKIT_TIMELINE_SINGLETIMESLIDER_H

#include <OrvaGUIToolkit/Timeline/TimeSlider.h>

#include <QtCore/QList>

namespace OrvaGUIToolkit {

class CSingleTimeSliderPrivate;

// The one-track playback timeline under a player: a groove bar with the
// recorded segments and tags, the time scale and the time under the mouse.
// Compact (level 7, no zoom buttons) or maximised (level 9 or narrower, zoom
// buttons right of the chart).
//
// A left click in the chart emits SignalMouseClick() with the time under the
// mouse; a press and drag moves the scale instead.
class ORVAGUITOOLKIT_EXPORT CSingleTimeSlider : public CTimeSlider
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CSingleTimeSlider)

public:
    explicit CSingleTimeSlider(QWidget* pParent = nullptr);
    ~CSingleTimeSlider() override;

    // Adds the groove, segment, time-scale and mouse-text series.
    void LoadChartView();
    // Adds the tag series (once).
    virtual void LoadTagSeries();

    // Adds one segment, clipped to the browsable days; nothing for a segment
    // outside them, a reversed one or invalid date-times. No repaint.
    void AddTime(const QDateTime& dtBegin, const QDateTime& dtEnd, const QBrush& brush, int iLevel);
    // Adds every segment, then repaints.
    void AddTime(const QList<struTimeSliderData::TimeSegmentParam>& listSegments);
    // Adds tags (their begin, end and name) above the groove, then repaints.
    void AddTag(const QList<struTimeSliderData::TimeSegmentParam>& listTags);
    void ClearTag();

    // Maximised: wide right margin, zoom buttons, the detailed time scale,
    // level 9 or narrower.
    void ShowMaxsize();
    // Compact: narrow margin, no zoom buttons, the compact time scale (raised
    // and widened labels), level 7. A new slider has the compact margins and
    // level but the detailed scale until this is called.
    void ShowNormalSize();
    bool IsMaxsize() const;
    void Reset() override;

Q_SIGNALS:
    void SignalMouseClick(time_t tTime);
};

} // namespace OrvaGUIToolkit

#endif
