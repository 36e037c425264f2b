#ifndef ORVAGUITOOLKIT_MULTICHARTVIEW_H
#define ORVAGUITOOLKIT_MULTICHARTVIEW_H

#include "ChartView.h"

namespace OrvaGUIToolkit {

// The chart view of the multi-track timeline ("MultiChartView"): the time
// scale in a top band with the calendar, filter and zoom buttons, and one
// track per channel below it. Simplify mode ("SimplifyMultiChartView") is the
// slim variant without the calendar button.
class CMultiChartView : public CChartView
{
    Q_OBJECT
    Q_PROPERTY(QColor m_colorTopBackground READ GetColorTopBackground WRITE SetColorTopBackground)
    Q_PROPERTY(QColor m_colorGridLine READ GetColorGridLine WRITE SetColorGridLine)
    Q_PROPERTY(QColor m_colorLeftChartBackground READ GetColorLeftChartBackground WRITE SetColorLeftChartBackground)
    Q_PROPERTY(QColor m_colorRightChartBackground READ GetColorRightChartBackground WRITE SetColorRightChartBackground)
    Q_PROPERTY(QColor m_colorSelectGridLine READ GetColorSelectGridLine WRITE SetColorSelectGridLine)
    Q_PROPERTY(bool m_bOpenSelectRect READ IsOpenSelectRect WRITE SetOpenSelectRect)
    Q_PROPERTY(QColor m_colorSelectRect READ GetColorSelectRect WRITE SetColorSelectRect)
    Q_PROPERTY(qreal m_dSelectRectOpacity READ GetSelectRectOpacity WRITE SetSelectRectOpacity)
    Q_PROPERTY(QPixmap m_pixTag READ GetPixTag WRITE SetPixTag)

public:
    explicit CMultiChartView(QWidget* pParent = nullptr);
    ~CMultiChartView() override;

    void InitChartStyleOption(CChartStyleOption& option) override;

    // One-way switch to the slim presentation.
    void SetShowSimplifyMode();
    bool IsSimplifyMode() const { return m_bSimplify; }
    CToolButton* GetFilterBtn() const { return m_pFilterBtn; }

    QColor GetColorTopBackground() const { return m_colorTopBackground; }
    void SetColorTopBackground(const QColor& color);
    QColor GetColorGridLine() const { return m_colorGridLine; }
    void SetColorGridLine(const QColor& color);
    QColor GetColorLeftChartBackground() const { return m_colorLeftChartBackground; }
    void SetColorLeftChartBackground(const QColor& color);
    QColor GetColorRightChartBackground() const { return m_colorRightChartBackground; }
    void SetColorRightChartBackground(const QColor& color);
    QColor GetColorSelectGridLine() const { return m_colorSelectGridLine; }
    void SetColorSelectGridLine(const QColor& color);
    bool IsOpenSelectRect() const { return m_bOpenSelectRect; }
    void SetOpenSelectRect(bool bOpen);
    QColor GetColorSelectRect() const { return m_colorSelectRect; }
    void SetColorSelectRect(const QColor& color);
    qreal GetSelectRectOpacity() const { return m_dSelectRectOpacity; }
    void SetSelectRectOpacity(qreal dOpacity);
    QPixmap GetPixTag() const { return m_pixTag; }
    void SetPixTag(const QPixmap& pixmap);

    static constexpr int s_iMargin = 15;
    static constexpr int s_iSimplifyRightMargin = 50;

Q_SIGNALS:
    void SignalFilterBtnClicked();

protected:
    void resizeEvent(QResizeEvent* pEvent) override;

private:
    void PlaceButtons();
    void SetColor(QColor& colorMember, const QColor& color);

    QColor m_colorTopBackground;
    QColor m_colorGridLine;
    QColor m_colorLeftChartBackground;
    QColor m_colorRightChartBackground;
    QColor m_colorSelectGridLine;
    bool m_bOpenSelectRect = false;
    QColor m_colorSelectRect;
    qreal m_dSelectRectOpacity = 0.7;
    QPixmap m_pixTag;
    bool m_bSimplify = false;
    CToolButton* m_pFilterBtn;
};

} // namespace OrvaGUIToolkit

#endif
