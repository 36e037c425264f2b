#include "ChartView.h"

#include "ChartStyleOption.h"
#include "UncoveredParts.h"

#include <OrvaGUIToolkit/Button/PushButton.h>
#include <OrvaGUIToolkit/Button/ToolButton.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QPointer>
#include <QtGui/QPainter>

namespace OrvaGUIToolkit {

CChartView::CChartView(QWidget* pParent)
    : QFrame(pParent)
    , m_colorAxisName(114, 114, 114)
    , m_colorAxisText(150, 150, 150)
    , m_colorAxisSmallText(81, 81, 81)
    , m_colorScaleLine(114, 114, 114)
    , m_colorMidLineTimeText(Qt::white)
    , m_colorMidLine(Qt::yellow)
    , m_colorMouseText(Qt::white)
    , m_colorTag(131, 131, 131)
    , m_pZoomInBtn(new CToolButton(this))
    , m_pZoomOutBtn(new CToolButton(this))
    , m_pCalendarBtn(new CPushButton(this))
{
    setMouseTracking(true);
    setAutoFillBackground(true);

    m_pZoomInBtn->setObjectName(QStringLiteral("ZoomInBtn"));
    m_pZoomOutBtn->setObjectName(QStringLiteral("ZoomOutBtn"));
    m_pCalendarBtn->setObjectName(QStringLiteral("CalendarBtn"));
    m_pCalendarBtn->setIcon(QIcon(QStringLiteral(
        ":/OrvaDesk/Timeslider/Images/Public/Component/Timeslider/Calendar.png")));
    m_pCalendarBtn->setIconSize(QSize(14, 14));
    m_pCalendarBtn->setCursor(Qt::PointingHandCursor);

    // Zooming reacts on press, so a click-and-hold feels immediate.
    connect(m_pZoomInBtn, &CToolButton::pressed, this, &CChartView::SignalZoomIn);
    connect(m_pZoomOutBtn, &CToolButton::pressed, this, &CChartView::SignalZoomOut);
    connect(m_pCalendarBtn, &CPushButton::clicked, this, &CChartView::SignalCalendarBtnClicked);
}

CChartView::~CChartView() = default;

void CChartView::UpdateChart()
{
    UpdateRects();
    // The pixmap is kept when the size did not change: refilling it shows the
    // same picture as a new one and spares an allocation per repaint.
    if (m_pixChart.size() != size())
        m_pixChart = QPixmap(size());
    if (m_pixChart.isNull())
        return;

    QPainter painter(&m_pixChart);
    // What QPainter::initFrom() did: the widget's pen, brush and font.
    painter.setPen(palette().color(foregroundRole()));
    painter.setBrush(palette().brush(backgroundRole()));
    painter.setFont(font());
    DrawChart(&painter);
    painter.end();
    update();
}

void CChartView::DrawChart(QPainter* pPainter)
{
    CChartStyleOption option;
    option.initFrom(this);
    InitChartStyleOption(option);
    option.colorAxisName = m_colorAxisName;
    option.colorAxisText = m_colorAxisText;
    option.colorAxisSmallText = m_colorAxisSmallText;
    option.colorScaleLine = m_colorScaleLine;
    option.colorMouseText = m_colorMouseText;
    option.colorMidLine = m_colorMidLine;
    Draw(pPainter, option);
}

void CChartView::DrawBackground(QPainter* pPainter, const QVector<QRect>& vecCover)
{
    // The widget's own background (its palette brush, which style sheets set
    // too), as a blank widget would show it, except where the series paint
    // over it with opaque colour: at wide zoom levels recordings cover most of
    // the rows, and clearing them first would write those pixels twice.
    const QBrush& brushBackground = palette().brush(backgroundRole());
    // A plain colour takes QPainter's quickest fill.
    const bool bSolid = brushBackground.style() == Qt::SolidPattern;
    // Hovering repaints with the same covers again and again.
    if (vecCover != m_vecCover || GetViewRect() != m_rectUncovered) {
        m_vecCover = vecCover;
        m_rectUncovered = GetViewRect();
        m_vecUncovered = UncoveredParts(m_rectUncovered, m_vecCover);
    }
    // A see-through background replaces what the picture held there, as on a
    // fresh picture; drawn over it, earlier repaints would show through.
    const bool bReplace = !brushBackground.isOpaque();
    if (bReplace)
        pPainter->setCompositionMode(QPainter::CompositionMode_Source);
    for (const QRect& rect : qAsConst(m_vecUncovered)) {
        if (bSolid)
            pPainter->fillRect(rect, brushBackground.color());
        else
            pPainter->fillRect(rect, brushBackground);
    }
    if (bReplace)
        pPainter->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void CChartView::DrawMidLine(QPainter* pPainter)
{
    if (!m_bShowMidLine || !pPainter)
        return;
    pPainter->setPen(QPen(m_colorMidLine, 2, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    const int iX = GetMidLineX();
    pPainter->drawLine(iX, 31, iX, GetChartRect().height());
}

void CChartView::UpdateRects()
{
    SetChartRect(m_iLeftMargin, 0, width() - m_iLeftMargin - m_iRightMargin, height() - 2);
    SetViewRect(rect());
}

void CChartView::PostUpdateChart()
{
    if (m_bUpdatePending)
        return;
    m_bUpdatePending = true;
    QCoreApplication::postEvent(this, new QEvent(QEvent::User));
}

void CChartView::SetCurrentDateTime(const QDateTime& dtCurrent)
{
    // The receivers learn of the new date while the view still shows the old
    // date-time; one of them may delete the view.
    if (dtCurrent.date() != m_dtCurrent.date()) {
        const QPointer<CChartView> guard(this);
        Q_EMIT SignalCalendarDateChanged(dtCurrent.date());
        if (!guard)
            return;
    }
    m_dtCurrent = dtCurrent;
    m_pCalendarBtn->setText(dtCurrent.toString(QStringLiteral("yyyy/MM/dd hh:mm:ss")));
}

QDateTime CChartView::GetCurrentDateTime() const
{
    return m_dtCurrent;
}

void CChartView::SetCalendarBtnHidden(bool bHidden)
{
    m_pCalendarBtn->setHidden(bHidden);
}

void CChartView::SetMargins(int iLeft, int iRight)
{
    // No wider than a widget can be, so the chart's width cannot overflow.
    m_iLeftMargin = qBound(0, iLeft, QWIDGETSIZE_MAX);
    m_iRightMargin = qBound(0, iRight, QWIDGETSIZE_MAX);
}

void CChartView::GetMargins(int& iLeft, int& iRight) const
{
    iLeft = m_iLeftMargin;
    iRight = m_iRightMargin;
}

int CChartView::GetMidLineX() const
{
    const QRect rectChart = GetChartRect();
    return rectChart.left() + qRound(rectChart.width() / 2.0);
}

void CChartView::SetColorAxisName(const QColor& color)
{
    SetColor(m_colorAxisName, color);
}

void CChartView::SetColorAxisText(const QColor& color)
{
    SetColor(m_colorAxisText, color);
}

void CChartView::SetColorAxisSmallText(const QColor& color)
{
    SetColor(m_colorAxisSmallText, color);
}

void CChartView::SetColorScaleLine(const QColor& color)
{
    SetColor(m_colorScaleLine, color);
}

void CChartView::SetColorMidLineTimeText(const QColor& color)
{
    SetColor(m_colorMidLineTimeText, color);
}

void CChartView::SetShowMidLine(bool bShow)
{
    if (m_bShowMidLine == bShow)
        return;
    m_bShowMidLine = bShow;
    // The mid line is drawn over the cached pixmap, which stays valid.
    update();
}

void CChartView::SetColorMidLine(const QColor& color)
{
    SetColor(m_colorMidLine, color);
}

void CChartView::SetColorMouseText(const QColor& color)
{
    SetColor(m_colorMouseText, color);
}

void CChartView::SetColorTag(const QColor& color)
{
    SetColor(m_colorTag, color);
}

void CChartView::SetColor(QColor& colorMember, const QColor& color)
{
    if (colorMember == color)
        return;
    colorMember = color;
    PostUpdateChart();
}

void CChartView::resizeEvent(QResizeEvent* pEvent)
{
    QFrame::resizeEvent(pEvent);
    UpdateChart();
}

void CChartView::customEvent(QEvent* pEvent)
{
    Q_UNUSED(pEvent)
    m_bUpdatePending = false;
    UpdateChart();
}

void CChartView::paintEvent(QPaintEvent* pEvent)
{
    Q_UNUSED(pEvent)
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_pixChart);
    DrawMidLine(&painter);
}

} // namespace OrvaGUIToolkit

#include "moc_ChartView.cpp"
