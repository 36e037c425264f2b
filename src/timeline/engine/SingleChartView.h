#ifndef ORVAGUITOOLKIT_SINGLECHARTVIEW_H
#define ORVAGUITOOLKIT_SINGLECHARTVIEW_H

#include "ChartView.h"

namespace OrvaGUIToolkit {

// The chart view of the one-track timeline: a groove bar with the recorded
// segments and tags. Its zoom buttons (32 x 26) are hidden in the compact
// presentation and sit right of the chart in the maximised one.
class CSingleChartView : public CChartView
{
    Q_OBJECT
    Q_PROPERTY(QPixmap m_pixGroove READ GetPixGroove WRITE SetPixGroove)
    Q_PROPERTY(QPixmap m_pixTag READ GetPixTag WRITE SetPixTag)

public:
    explicit CSingleChartView(QWidget* pParent = nullptr);
    ~CSingleChartView() override;

    void InitChartStyleOption(CChartStyleOption& option) override;

    QPixmap GetPixGroove() const { return m_pixGroove; }
    void SetPixGroove(const QPixmap& pixmap);
    QPixmap GetPixTag() const { return m_pixTag; }
    void SetPixTag(const QPixmap& pixmap);

    void SetZoomBtnsVisible(bool bVisible);

    static constexpr int s_iLeftMargin = 24;
    static constexpr int s_iRightMargin = 8;
    static constexpr int s_iMaxRightMargin = 100;

protected:
    void resizeEvent(QResizeEvent* pEvent) override;

private:
    void PlaceZoomBtns();

    QPixmap m_pixGroove;
    QPixmap m_pixTag;
};

} // namespace OrvaGUIToolkit

#endif
