#include "foundation/ToolkitLogging.h"
#include <OrvaGUIToolkit/LineEdit/FancyLineEdit.h>

#include <OrvaGUIToolkit/LineEdit/IconButton.h>

#include <QtGui/QCursor>
#include <QtGui/QFocusEvent>
#include <QtWidgets/QMenu>
#include <QtWidgets/QStyle>

namespace OrvaGUIToolkit {

namespace {

// Room around a button's picture, and the extra strip its click area takes
// beyond the text margin.
const int s_iPixmapPadding = 8;
const int s_iButtonExtent = 4;
// Styles with wide line-edit frames need a larger minimum margin.
const int s_iWideFrameMargin = 24;

// A side from outside the enumeration is the caller's error; refusing it keeps
// the per-side arrays from being read or written out of bounds.
bool IsSide(CFancyLineEdit::Side enumSide, const char* szFunction)
{
    if (enumSide == CFancyLineEdit::Left || enumSide == CFancyLineEdit::Right)
        return true;
    qCWarning(lcOrvaGUIToolkit, "CFancyLineEdit::%s: enumSide != Left && enumSide != Right", szFunction);
    return false;
}

} // namespace

CFancyLineEdit::CFancyLineEdit(QWidget* pParent)
    : CLineEdit(pParent)
{
    for (int iSide = Left; iSide <= Right; ++iSide) {
        m_pIconButton[iSide] = new CIconButton(this);
        m_pIconButton[iSide]->setObjectName(iSide == Left ? QStringLiteral("m_pLeftButton")
                                                          : QStringLiteral("m_pRightButton"));
        m_pIconButton[iSide]->hide();
        connect(m_pIconButton[iSide], &QAbstractButton::clicked, this, &CFancyLineEdit::OnIconClicked);
    }
    ensurePolished();
    UpdateMargins();
    connect(this, &QLineEdit::textChanged, this, &CFancyLineEdit::OnCheckButtons);
}

CFancyLineEdit::~CFancyLineEdit() = default;

void CFancyLineEdit::SetButtonPixmap(Side enumSide, const QPixmap& pixmap)
{
    if (!IsSide(enumSide, "SetButtonPixmap"))
        return;
    m_pIconButton[enumSide]->SetPixmap(pixmap);
    UpdateMargins();
}

QPixmap CFancyLineEdit::ButtonPixmap(Side enumSide) const
{
    if (!IsSide(enumSide, "ButtonPixmap"))
        return QPixmap();
    return m_pIconButton[enumSide]->GetPixmap();
}

void CFancyLineEdit::SetButtonMenu(Side enumSide, QMenu* pMenu)
{
    if (!IsSide(enumSide, "SetButtonMenu"))
        return;
    if (pMenu && !pMenu->parent())
        pMenu->setParent(this, pMenu->windowFlags());
    m_pMenu[enumSide] = pMenu;
}

QMenu* CFancyLineEdit::ButtonMenu(Side enumSide) const
{
    if (!IsSide(enumSide, "ButtonMenu"))
        return nullptr;
    return m_pMenu[enumSide];
}

void CFancyLineEdit::SetButtonVisible(Side enumSide, bool bVisible)
{
    if (!IsSide(enumSide, "SetButtonVisible"))
        return;
    m_pIconButton[enumSide]->setVisible(bVisible);
    m_bVisible[enumSide] = bVisible;
    UpdateMargins();
}

bool CFancyLineEdit::IsButtonVisible(Side enumSide) const
{
    if (!IsSide(enumSide, "IsButtonVisible"))
        return false;
    return m_bVisible[enumSide];
}

void CFancyLineEdit::SetButtonToolTip(Side enumSide, const QString& strToolTip)
{
    if (!IsSide(enumSide, "SetButtonToolTip"))
        return;
    m_strToolTip[enumSide] = strToolTip;
    m_pIconButton[enumSide]->setToolTip(ShownToolTip(enumSide));
}

void CFancyLineEdit::SetButtonFocusPolicy(Side enumSide, Qt::FocusPolicy enumPolicy)
{
    if (!IsSide(enumSide, "SetButtonFocusPolicy"))
        return;
    m_pIconButton[enumSide]->setFocusPolicy(enumPolicy);
}

void CFancyLineEdit::SetAutoHideButton(Side enumSide, bool bAutoHide)
{
    if (!IsSide(enumSide, "SetAutoHideButton"))
        return;
    CIconButton* pButton = m_pIconButton[enumSide];
    pButton->SetOpenAnimation(bAutoHide);
    pButton->SetIconOpacity(bAutoHide && text().isEmpty() ? 0.0f : 1.0f);
    pButton->setToolTip(ShownToolTip(enumSide));
    UpdateMargins();
}

bool CFancyLineEdit::HasAutoHideButton(Side enumSide) const
{
    if (!IsSide(enumSide, "HasAutoHideButton"))
        return false;
    return m_pIconButton[enumSide]->IsOpenAnimation();
}

void CFancyLineEdit::SetMenuTabFocusTrigger(Side enumSide, bool bTrigger)
{
    if (!IsSide(enumSide, "SetMenuTabFocusTrigger"))
        return;
    m_bMenuTabFocusTrigger[enumSide] = bTrigger;
}

bool CFancyLineEdit::HasMenuTabFocusTrigger(Side enumSide) const
{
    if (!IsSide(enumSide, "HasMenuTabFocusTrigger"))
        return false;
    return m_bMenuTabFocusTrigger[enumSide];
}

CIconButton* CFancyLineEdit::Button(Side enumSide) const
{
    if (!IsSide(enumSide, "Button"))
        return nullptr;
    return m_pIconButton[enumSide];
}

void CFancyLineEdit::resizeEvent(QResizeEvent* pEvent)
{
    CLineEdit::resizeEvent(pEvent);
    UpdateButtonPositions();
}

void CFancyLineEdit::focusInEvent(QFocusEvent* pEvent)
{
    CLineEdit::focusInEvent(pEvent);
    if (pEvent->reason() != Qt::TabFocusReason && pEvent->reason() != Qt::BacktabFocusReason)
        return;
    for (int iSide = Left; iSide <= Right; ++iSide) {
        QMenu* pMenu = m_pMenu[iSide];
        if (pMenu && m_bMenuTabFocusTrigger[iSide]) {
            const CIconButton* pButton = m_pIconButton[iSide];
            pMenu->popup(pButton->mapToGlobal(pButton->rect().bottomLeft()));
            return;
        }
    }
}

void CFancyLineEdit::changeEvent(QEvent* pEvent)
{
    CLineEdit::changeEvent(pEvent);
    if (pEvent->type() == QEvent::LayoutDirectionChange || pEvent->type() == QEvent::StyleChange)
        UpdateMargins();
}

// Auto-hiding buttons change only when the field goes from empty to not
// empty or back; the margins follow every change.
void CFancyLineEdit::OnCheckButtons(const QString& strText)
{
    if (m_strOldText.isEmpty() || strText.isEmpty()) {
        for (int iSide = Left; iSide <= Right; ++iSide) {
            CIconButton* pButton = m_pIconButton[iSide];
            if (!pButton->IsOpenAnimation())
                continue;
            pButton->AnimateShow(!strText.isEmpty());
            pButton->setToolTip(strText.isEmpty() ? QString() : m_strToolTip[iSide]);
        }
        m_strOldText = strText;
    }
    UpdateMargins();
}

void CFancyLineEdit::OnIconClicked()
{
    const Side enumSide = sender() == m_pIconButton[Left] ? Left : Right;
    if (QMenu* pMenu = m_pMenu[enumSide]) {
        pMenu->popup(QCursor::pos());
        return;
    }
    Q_EMIT SignalButtonClicked(enumSide);
    if (enumSide == Left)
        Q_EMIT SignalLeftButtonClicked();
    else
        Q_EMIT SignalRightButtonClicked();
}

void CFancyLineEdit::UpdateMargins()
{
    const Side enumLeft = VisualSide(Left);
    const Side enumRight = VisualSide(Right);
    const int iLeftMargin = m_bVisible[enumLeft] ? SideMargin(enumLeft) : 0;
    const bool bRightShown = m_bVisible[enumRight]
                             && (!m_pIconButton[enumRight]->IsOpenAnimation() || !text().isEmpty());
    const int iRightMargin = bRightShown ? SideMargin(enumRight) : 0;
    setTextMargins(iLeftMargin, 0, iRightMargin, 0);
    UpdateButtonPositions();
}

void CFancyLineEdit::UpdateButtonPositions()
{
    const QMargins margins = textMargins();
    const int iLeftWidth = margins.left() + s_iButtonExtent;
    const int iRightWidth = margins.right() + s_iButtonExtent;
    m_pIconButton[VisualSide(Left)]->setGeometry(0, 0, iLeftWidth, height());
    m_pIconButton[VisualSide(Right)]->setGeometry(width() - iRightWidth, 0, iRightWidth, height());
}

int CFancyLineEdit::SideMargin(Side enumSide) const
{
    const QPixmap pixmap = m_pIconButton[enumSide]->GetPixmap();
    const int iPixmapWidth = qRound(pixmap.width() / pixmap.devicePixelRatio());
    int iMargin = iPixmapWidth + s_iPixmapPadding;
    if (style()->inherits("OxygenStyle"))
        iMargin = qMax(s_iWideFrameMargin, iMargin);
    return iMargin;
}

CFancyLineEdit::Side CFancyLineEdit::VisualSide(Side enumEdge) const
{
    if (layoutDirection() == Qt::LeftToRight)
        return enumEdge;
    return enumEdge == Left ? Right : Left;
}

QString CFancyLineEdit::ShownToolTip(Side enumSide) const
{
    if (m_pIconButton[enumSide]->IsOpenAnimation() && text().isEmpty())
        return QString();
    return m_strToolTip[enumSide];
}

} // namespace OrvaGUIToolkit
