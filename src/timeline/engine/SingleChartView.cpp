#include "SingleChartView.h"

#include "ChartStyleOption.h"

#include <OrvaGUIToolkit/Button/PushButton.h>
#include <OrvaGUIToolkit/Button/ToolButton.h>

namespace OrvaGUIToolkit {

CSingleChartView::CSingleChartView(QWidget* pParent)
    : CChartView(pParent)
{
    setObjectName(QStringLiteral("SingleChartView"));
    SetMargins(s_iLeftMargin, s_iRightMargin);
    for (CToolButton* pButton : {GetZoomInBtn(), GetZoomOutBtn()}) {
        pButton->setFixedSize(32, 26);
        pButton->hide();
    }
    // The one-track timeline is a strip under a player; its owner shows the
    // date elsewhere.
    SetCalendarBtnHidden(true);
}

CSingleChartView::~CSingleChartView() = default;

void CSingleChartView::InitChartStyleOption(CChartStyleOption& option)
{
    option.pixGroove = m_pixGroove;
    option.pixTag = m_pixTag;
}

void CSingleChartView::SetPixGroove(const QPixmap& pixmap)
{
    m_pixGroove = pixmap;
    UpdateChart();
}

void CSingleChartView::SetPixTag(const QPixmap& pixmap)
{
    m_pixTag = pixmap;
    UpdateChart();
}

void CSingleChartView::SetZoomBtnsVisible(bool bVisible)
{
    GetZoomInBtn()->setVisible(bVisible);
    GetZoomOutBtn()->setVisible(bVisible);
    PlaceZoomBtns();
}

void CSingleChartView::resizeEvent(QResizeEvent* pEvent)
{
    PlaceZoomBtns();
    CChartView::resizeEvent(pEvent);
}

void CSingleChartView::PlaceZoomBtns()
{
    int iLeft = 0;
    int iRight = 0;
    GetMargins(iLeft, iRight);
    CToolButton* pZoomOut = GetZoomOutBtn();
    pZoomOut->move(width() - iRight + 2, 17);
    GetZoomInBtn()->move(pZoomOut->x() + pZoomOut->width() + 3, 17);
}

} // namespace OrvaGUIToolkit

#include "moc_SingleChartView.cpp"
