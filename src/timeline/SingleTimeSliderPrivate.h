#ifndef ORVAGUITOOLKIT_SINGLETIMESLIDERPRIVATE_H
#define ORVAGUITOOLKIT_SINGLETIMESLIDERPRIVATE_H

#include "TimeSliderPrivate.h"

#include <OrvaGUIToolkit/Timeline/SingleTimeSlider.h>

QT_BEGIN_NAMESPACE
class QMouseEvent;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {

class CSingleChartView;

class CSingleTimeSliderPrivate : public CTimeSliderPrivate
{
    Q_DECLARE_PUBLIC(CSingleTimeSlider)

public:
    // What the left button is doing on the chart.
    enum class DragState { None, Pressed, Dragging };

    CSingleTimeSliderPrivate();
    ~CSingleTimeSliderPrivate() override;

    static CSingleTimeSliderPrivate* Get(CSingleTimeSlider* pSlider) { return pSlider->d_func(); }

    CSingleChartView* View() const;
    void InitSingle();

    void OnViewPress(QMouseEvent* pEvent) override;
    void OnViewMove(QMouseEvent* pEvent) override;
    void OnViewRelease(QMouseEvent* pEvent) override;
    void OnViewEnter() override;
    void OnViewLeave() override;
    void OnLeaveTimerOut();

    // The groove spans rows 26..36; segments are a band 29..36 in it and tags
    // sit above it.
    static constexpr int s_iGrooveTop = 26;
    static constexpr int s_iBandTop = 29;
    static constexpr int s_iBandBottom = 36;
    static constexpr int s_iTagTop = 14;

    QTimer* m_pLeaveTimer = nullptr;
    QPoint m_ptPress;
    DragState m_enumDrag = DragState::None;
    // The mouse stayed within the drag distance of the press.
    bool m_bClick = false;
    bool m_bMaxsize = false;
};

} // namespace OrvaGUIToolkit

#endif
