#include "MultiChartView.h"

#include "ChartStyleOption.h"

#include <OrvaGUIToolkit/Button/PushButton.h>
#include <OrvaGUIToolkit/Button/ToolButton.h>

#include <QtWidgets/QStyle>

#include <cmath>

namespace OrvaGUIToolkit {

namespace {

constexpr int s_iButtonGap = 4;

} // namespace

CMultiChartView::CMultiChartView(QWidget* pParent)
    : CChartView(pParent)
    , m_colorTopBackground(Qt::black)
    , m_colorGridLine(Qt::black)
    , m_colorSelectGridLine(Qt::red)
    , m_colorSelectRect(84, 90, 93, 255)
    , m_pFilterBtn(new CToolButton(this))
{
    setObjectName(QStringLiteral("MultiChartView"));
    SetMargins(s_iMargin, s_iMargin);
    GetZoomInBtn()->setFixedSize(17, 16);
    GetZoomOutBtn()->setFixedSize(17, 16);
    GetCalendarBtn()->setFixedSize(165, 20);
    m_pFilterBtn->setObjectName(QStringLiteral("FilterBtn"));
    m_pFilterBtn->setToolTip(tr("Filter record types"));
    m_pFilterBtn->setFixedSize(17, 16);
    connect(m_pFilterBtn, &CToolButton::clicked, this, &CMultiChartView::SignalFilterBtnClicked);
}

CMultiChartView::~CMultiChartView() = default;

void CMultiChartView::InitChartStyleOption(CChartStyleOption& option)
{
    option.colorTopBackground = m_colorTopBackground;
    option.colorLeftChartBackground = m_colorLeftChartBackground;
    option.colorRightChartBackground = m_colorRightChartBackground;
    option.colorSelectGridLine = m_colorSelectGridLine;
    option.openSelectRect = m_bOpenSelectRect;
    option.colorSelectRect = m_colorSelectRect;
    option.selectRectOpacity = m_dSelectRectOpacity;
    option.pixTag = m_pixTag;
}

void CMultiChartView::SetShowSimplifyMode()
{
    if (m_bSimplify)
        return;
    m_bSimplify = true;
    setObjectName(QStringLiteral("SimplifyMultiChartView"));
    SetCalendarBtnHidden(true);
    GetZoomInBtn()->setFixedSize(15, 15);
    GetZoomOutBtn()->setFixedSize(15, 15);
    m_pFilterBtn->setFixedSize(15, 15);
    int iLeft = 0;
    int iRight = 0;
    GetMargins(iLeft, iRight);
    SetMargins(iLeft, s_iSimplifyRightMargin);
    // The style sheet addresses the view by object name.
    style()->unpolish(this);
    style()->polish(this);
    PlaceButtons();
    PostUpdateChart();
}

void CMultiChartView::resizeEvent(QResizeEvent* pEvent)
{
    PlaceButtons();
    CChartView::resizeEvent(pEvent);
}

void CMultiChartView::PlaceButtons()
{
    CToolButton* pZoomOut = GetZoomOutBtn();
    CToolButton* pZoomIn = GetZoomInBtn();
    pZoomOut->move(width() - s_iButtonGap - pZoomOut->width(), s_iButtonGap);
    pZoomIn->move(pZoomOut->x() - s_iButtonGap - pZoomIn->width(), s_iButtonGap);
    m_pFilterBtn->move(pZoomIn->x() - s_iButtonGap - m_pFilterBtn->width(), s_iButtonGap);
    CPushButton* pCalendar = GetCalendarBtn();
    pCalendar->move((width() - pCalendar->width()) / 2, 2);
}

void CMultiChartView::SetColorTopBackground(const QColor& color)
{
    SetColor(m_colorTopBackground, color);
}

void CMultiChartView::SetColorGridLine(const QColor& color)
{
    SetColor(m_colorGridLine, color);
}

void CMultiChartView::SetColorLeftChartBackground(const QColor& color)
{
    SetColor(m_colorLeftChartBackground, color);
}

void CMultiChartView::SetColorRightChartBackground(const QColor& color)
{
    SetColor(m_colorRightChartBackground, color);
}

void CMultiChartView::SetColorSelectGridLine(const QColor& color)
{
    SetColor(m_colorSelectGridLine, color);
}

void CMultiChartView::SetOpenSelectRect(bool bOpen)
{
    if (m_bOpenSelectRect == bOpen)
        return;
    m_bOpenSelectRect = bOpen;
    PostUpdateChart();
}

void CMultiChartView::SetColorSelectRect(const QColor& color)
{
    SetColor(m_colorSelectRect, color);
}

void CMultiChartView::SetSelectRectOpacity(qreal dOpacity)
{
    // Kept as given; the painter limits it to 0..1 when it fills the marquee.
    if (!std::isfinite(dOpacity) || m_dSelectRectOpacity == dOpacity)
        return;
    m_dSelectRectOpacity = dOpacity;
    PostUpdateChart();
}

void CMultiChartView::SetPixTag(const QPixmap& pixmap)
{
    m_pixTag = pixmap;
    PostUpdateChart();
}

void CMultiChartView::SetColor(QColor& colorMember, const QColor& color)
{
    if (colorMember == color)
        return;
    colorMember = color;
    PostUpdateChart();
}

} // namespace OrvaGUIToolkit

#include "moc_MultiChartView.cpp"
