#include <OrvaGUIToolkit/Tab/TabView.h>

#include <OrvaGUIToolkit/Tab/TabScene.h>

#include <QtCore/QPointer>
#include <QtGui/QResizeEvent>

namespace OrvaGUIToolkit {

class CTabViewPrivate
{
    Q_DECLARE_PUBLIC(CTabView)

public:
    virtual ~CTabViewPrivate() = default;

    CTabView* q_ptr = nullptr;
    // The caller's scene; it may go before the view does.
    QPointer<CTabScene> m_pScene;
    QPixmap m_pmBackground;
    QColor m_colorBackground;
    QPixmap m_pmArrow;
    QPixmap m_pmSelArrowItem;
    QPixmap m_pmHoverArrowItem;
    QPixmap m_pmUnSelArrowItem;
    QPixmap m_pmSel;
    QPixmap m_pmUnSel;
    QPixmap m_pmClose;
    QPixmap m_pmCloseHover;
    QPixmap m_pmTabLine;
    QColor m_colorTabText;
    QColor m_colorSelTabText;
};

CTabView::CTabView(CTabScene* pScene, QWidget* pParent)
    : CTabView(*new CTabViewPrivate, pScene, pParent)
{
}

CTabView::CTabView(CTabViewPrivate& dd, CTabScene* pScene, QWidget* pParent)
    : QGraphicsView(pScene, pParent)
    , d_ptr(&dd)
{
    Q_D(CTabView);
    d->q_ptr = this;
    d->m_pScene = pScene;
    setAcceptDrops(true);
    setMouseTracking(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (pScene)
        pScene->SetParentWidget(pParent);
}

CTabView::~CTabView() = default;

QPixmap CTabView::GetBkgroundPixmap() const
{
    Q_D(const CTabView);
    return d->m_pmBackground;
}

void CTabView::SetBkgroundPixmap(const QPixmap& pixmap)
{
    Q_D(CTabView);
    d->m_pmBackground = pixmap;
    if (pixmap.isNull())
        return;
    setBackgroundBrush(pixmap.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

QColor CTabView::GetBkgroundColor() const
{
    Q_D(const CTabView);
    return d->m_colorBackground;
}

void CTabView::SetBkgroundColor(const QColor& color)
{
    Q_D(CTabView);
    d->m_colorBackground = color;
    if (!color.isValid())
        return;
    // An empty view gets an empty pixmap, that is no background at all.
    QPixmap pixmap(size());
    pixmap.fill(color);
    setBackgroundBrush(pixmap);
}

#define ORVA_TABVIEW_PIXMAP(Getter, Setter, Member)       \
    QPixmap CTabView::Getter() const                      \
    {                                                     \
        Q_D(const CTabView);                              \
        return d->Member;                                 \
    }                                                     \
    void CTabView::Setter(const QPixmap& pixmap)          \
    {                                                     \
        Q_D(CTabView);                                    \
        d->Member = pixmap;                               \
        if (d->m_pScene)                                  \
            d->m_pScene->Setter(pixmap);                  \
    }

ORVA_TABVIEW_PIXMAP(GetArrowPixmap, SetArrowPixmap, m_pmArrow)
ORVA_TABVIEW_PIXMAP(GetArrowItemSelPixmap, SetArrowItemSelPixmap, m_pmSelArrowItem)
ORVA_TABVIEW_PIXMAP(GetArrowItemHoverPixmap, SetArrowItemHoverPixmap, m_pmHoverArrowItem)
ORVA_TABVIEW_PIXMAP(GetArrowItemUnselPixmap, SetArrowItemUnselPixmap, m_pmUnSelArrowItem)
ORVA_TABVIEW_PIXMAP(GetSelPixmap, SetSelPixmap, m_pmSel)
ORVA_TABVIEW_PIXMAP(GetUnSelPixmap, SetUnSelPixmap, m_pmUnSel)
ORVA_TABVIEW_PIXMAP(GetClosePixmap, SetClosePixmap, m_pmClose)
ORVA_TABVIEW_PIXMAP(GetCloseHoverPixmap, SetCloseHoverPixmap, m_pmCloseHover)
ORVA_TABVIEW_PIXMAP(GetTabLinePixmap, SetTabLinePixmap, m_pmTabLine)

#undef ORVA_TABVIEW_PIXMAP

QColor CTabView::GetTabTextColor() const
{
    Q_D(const CTabView);
    return d->m_colorTabText;
}

void CTabView::SetTabTextColor(const QColor& color)
{
    Q_D(CTabView);
    d->m_colorTabText = color;
    if (d->m_pScene)
        d->m_pScene->SetTabTextColor(color);
}

QColor CTabView::GetTabSelTextColor() const
{
    Q_D(const CTabView);
    return d->m_colorSelTabText;
}

void CTabView::SetTabSelTextColor(const QColor& color)
{
    Q_D(CTabView);
    d->m_colorSelTabText = color;
    if (d->m_pScene)
        d->m_pScene->SetTabSelTextColor(color);
}

void CTabView::resizeEvent(QResizeEvent* pEvent)
{
    Q_D(CTabView);
    if (d->m_pScene)
        d->m_pScene->setSceneRect(0, 0, pEvent->size().width(), pEvent->size().height());
    QGraphicsView::resizeEvent(pEvent);
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/Tab/moc_TabView.cpp"
