#ifndef ORVAGUITOOLKIT_CHARTVIEW_H
#define ORVAGUITOOLKIT_CHARTVIEW_H

#include "AxisPanel.h"

#include <QtCore/QDateTime>
#include <QtCore/QRect>
#include <QtCore/QVector>
#include <QtGui/QColor>
#include <QtGui/QPixmap>
#include <QtWidgets/QFrame>

namespace OrvaGUIToolkit {

class CChartStyleOption;
class CPushButton;
class CToolButton;

// The drawing surface of every timeline: a frame that paints its series into a
// cached pixmap and, on each paint event, only blits that pixmap and draws the
// mid line.
//
// Repaints are asynchronous: whoever changes data or ranges posts a QEvent of
// type QEvent::User (1000) to the view, and customEvent() rebuilds the pixmap
// through UpdateChart(); PostUpdateChart() does that once per pending event.
// Resizing rebuilds the pixmap at once.
//
// The view owns three child buttons, "ZoomInBtn", "ZoomOutBtn" (tool buttons
// that signal on press) and "CalendarBtn" (shows the current date-time);
// subclasses place and size them and supply InitChartStyleOption().
class CChartView : public QFrame, public CAxisPanel
{
    Q_OBJECT
    Q_PROPERTY(QColor m_colorAxisName READ GetColorAxisName WRITE SetColorAxisName)
    Q_PROPERTY(QColor m_colorAxisText READ GetColorAxisText WRITE SetColorAxisText)
    Q_PROPERTY(QColor m_colorAxisSmallText READ GetColorAxisSmallText WRITE SetColorAxisSmallText)
    Q_PROPERTY(QColor m_colorScaleLine READ GetColorScaleLine WRITE SetColorScaleLine)
    Q_PROPERTY(QColor m_colorMidLineTimeText READ GetColorMidLineTimeText WRITE SetColorMidLineTimeText)
    Q_PROPERTY(bool m_bShowMidLine READ IsShowMidLine WRITE SetShowMidLine)
    Q_PROPERTY(QColor m_colorMidLine READ GetColorMidLine WRITE SetColorMidLine)
    Q_PROPERTY(QColor m_colorMouseText READ GetColorMouseText WRITE SetColorMouseText)
    Q_PROPERTY(QColor m_colorTag READ GetColorTag WRITE SetColorTag)

public:
    explicit CChartView(QWidget* pParent = nullptr);
    ~CChartView() override;

    // Rebuilds the cached pixmap now: rectangles, background, every series.
    virtual void UpdateChart();
    // Fills the fields of the option that belong to the subclass.
    virtual void InitChartStyleOption(CChartStyleOption& option) = 0;
    virtual void DrawChart(QPainter* pPainter);
    virtual void DrawMidLine(QPainter* pPainter);

    // Chart rectangle = (left margin, 0, width - both margins, height - 2);
    // view rectangle = the whole widget.
    void UpdateRects();
    // Posts one QEvent::User to the view unless one is already on its way.
    void PostUpdateChart();

    // Emits SignalCalendarDateChanged() first when the date differs from the
    // stored one, then (unless a receiver deleted the view) stores the
    // date-time and shows it on "CalendarBtn" ("yyyy/MM/dd hh:mm:ss").
    void SetCurrentDateTime(const QDateTime& dtCurrent);
    QDateTime GetCurrentDateTime() const;
    void SetCalendarBtnHidden(bool bHidden);
    // Each margin is kept within 0..QWIDGETSIZE_MAX.
    void SetMargins(int iLeft, int iRight);
    void GetMargins(int& iLeft, int& iRight) const;
    // The x of the mid line: the centre of the chart rectangle, where the
    // middle of the visible range is drawn.
    int GetMidLineX() const;
    // The pixmap of the last UpdateChart(); null before it or for an empty widget.
    QPixmap GetChartPixmap() const { return m_pixChart; }

    QColor GetColorAxisName() const { return m_colorAxisName; }
    void SetColorAxisName(const QColor& color);
    QColor GetColorAxisText() const { return m_colorAxisText; }
    void SetColorAxisText(const QColor& color);
    QColor GetColorAxisSmallText() const { return m_colorAxisSmallText; }
    void SetColorAxisSmallText(const QColor& color);
    QColor GetColorScaleLine() const { return m_colorScaleLine; }
    void SetColorScaleLine(const QColor& color);
    QColor GetColorMidLineTimeText() const { return m_colorMidLineTimeText; }
    void SetColorMidLineTimeText(const QColor& color);
    bool IsShowMidLine() const { return m_bShowMidLine; }
    void SetShowMidLine(bool bShow);
    QColor GetColorMidLine() const { return m_colorMidLine; }
    void SetColorMidLine(const QColor& color);
    QColor GetColorMouseText() const { return m_colorMouseText; }
    void SetColorMouseText(const QColor& color);
    QColor GetColorTag() const { return m_colorTag; }
    void SetColorTag(const QColor& color);

Q_SIGNALS:
    void SignalZoomIn();
    void SignalZoomOut();
    // Not emitted by the view itself; subclasses and sliders use them for
    // step scrolling with held buttons.
    void SignalMoveRight();
    void SignalMoveLeft();
    void SignalDelayRelease();
    void SignalCalendarBtnClicked();
    void SignalCalendarDateChanged(QDate dtDate);

protected:
    void DrawBackground(QPainter* pPainter, const QVector<QRect>& vecCover) override;
    void resizeEvent(QResizeEvent* pEvent) override;
    void customEvent(QEvent* pEvent) override;
    void paintEvent(QPaintEvent* pEvent) override;

    CToolButton* GetZoomInBtn() const { return m_pZoomInBtn; }
    CToolButton* GetZoomOutBtn() const { return m_pZoomOutBtn; }
    CPushButton* GetCalendarBtn() const { return m_pCalendarBtn; }

private:
    // Colour setters: store, and rebuild the pixmap once the event loop runs.
    void SetColor(QColor& colorMember, const QColor& color);

    QColor m_colorAxisName;
    QColor m_colorAxisText;
    QColor m_colorAxisSmallText;
    QColor m_colorScaleLine;
    QColor m_colorMidLineTimeText;
    bool m_bShowMidLine = true;
    QColor m_colorMidLine;
    QColor m_colorMouseText;
    QColor m_colorTag;

    int m_iLeftMargin = 9;
    int m_iRightMargin = 9;
    bool m_bUpdatePending = false;
    QPixmap m_pixChart;
    // The background parts of the last repaint, and the covers and area they
    // were found for.
    QVector<QRect> m_vecCover;
    QRect m_rectUncovered;
    QVector<QRect> m_vecUncovered;
    QDateTime m_dtCurrent;
    CToolButton* m_pZoomInBtn;
    CToolButton* m_pZoomOutBtn;
    CPushButton* m_pCalendarBtn;
};

} // namespace OrvaGUIToolkit

#endif
