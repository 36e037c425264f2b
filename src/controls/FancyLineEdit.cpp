#include "controls/FancyLineEditPrivate.h"

#include "foundation/ToolkitLogging.h"

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

void CFancyLineEditPrivate::Init()
{
    Q_Q(CFancyLineEdit);
    for (int iSide = CFancyLineEdit::Left; iSide <= CFancyLineEdit::Right; ++iSide) {
        const Side enumSide = Side(iSide);
        m_pIconButton[iSide] = new CIconButton(q);
        m_pIconButton[iSide]->setObjectName(enumSide == CFancyLineEdit::Left ? QStringLiteral("m_pLeftButton")
                                                                             : QStringLiteral("m_pRightButton"));
        m_pIconButton[iSide]->hide();
        QObject::connect(m_pIconButton[iSide], &QAbstractButton::clicked, q,
                         [this, enumSide] { OnIconClicked(enumSide); });
    }
    q->ensurePolished();
    UpdateMargins();
    QObject::connect(q, &QLineEdit::textChanged, q, [this](const QString& strText) { OnCheckButtons(strText); });
}

void CFancyLineEditPrivate::OnCheckButtons(const QString& strText)
{
    if (m_strOldText.isEmpty() || strText.isEmpty()) {
        for (int iSide = CFancyLineEdit::Left; iSide <= CFancyLineEdit::Right; ++iSide) {
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

// A slot of the first signal may delete the line edit; the second signal then
// has no sender left.
void CFancyLineEditPrivate::OnIconClicked(Side enumSide)
{
    Q_Q(CFancyLineEdit);
    if (QMenu* pMenu = m_pMenu[enumSide]) {
        pMenu->popup(QCursor::pos());
        return;
    }
    const QPointer<CFancyLineEdit> pThis(q);
    Q_EMIT q->SignalButtonClicked(enumSide);
    if (!pThis)
        return;
    if (enumSide == CFancyLineEdit::Left)
        Q_EMIT q->SignalLeftButtonClicked();
    else
        Q_EMIT q->SignalRightButtonClicked();
}

void CFancyLineEditPrivate::UpdateMargins()
{
    Q_Q(CFancyLineEdit);
    const Side enumLeft = VisualSide(CFancyLineEdit::Left);
    const Side enumRight = VisualSide(CFancyLineEdit::Right);
    const int iLeftMargin = m_bVisible[enumLeft] ? SideMargin(enumLeft) : 0;
    const bool bRightShown = m_bVisible[enumRight]
                             && (!m_pIconButton[enumRight]->IsOpenAnimation() || !q->text().isEmpty());
    const int iRightMargin = bRightShown ? SideMargin(enumRight) : 0;
    q->setTextMargins(iLeftMargin, 0, iRightMargin, 0);
    UpdateButtonPositions();
}

void CFancyLineEditPrivate::UpdateButtonPositions()
{
    Q_Q(CFancyLineEdit);
    const QMargins margins = q->textMargins();
    const int iLeftWidth = margins.left() + s_iButtonExtent;
    const int iRightWidth = margins.right() + s_iButtonExtent;
    m_pIconButton[VisualSide(CFancyLineEdit::Left)]->setGeometry(0, 0, iLeftWidth, q->height());
    m_pIconButton[VisualSide(CFancyLineEdit::Right)]->setGeometry(q->width() - iRightWidth, 0, iRightWidth, q->height());
}

int CFancyLineEditPrivate::SideMargin(Side enumSide) const
{
    Q_Q(const CFancyLineEdit);
    const QPixmap pixmap = m_pIconButton[enumSide]->GetPixmap();
    const int iPixmapWidth = qRound(pixmap.width() / pixmap.devicePixelRatio());
    int iMargin = iPixmapWidth + s_iPixmapPadding;
    if (q->style()->inherits("OxygenStyle"))
        iMargin = qMax(s_iWideFrameMargin, iMargin);
    return iMargin;
}

CFancyLineEditPrivate::Side CFancyLineEditPrivate::VisualSide(Side enumEdge) const
{
    Q_Q(const CFancyLineEdit);
    if (q->layoutDirection() == Qt::LeftToRight)
        return enumEdge;
    return enumEdge == CFancyLineEdit::Left ? CFancyLineEdit::Right : CFancyLineEdit::Left;
}

QString CFancyLineEditPrivate::ShownToolTip(Side enumSide) const
{
    Q_Q(const CFancyLineEdit);
    if (m_pIconButton[enumSide]->IsOpenAnimation() && q->text().isEmpty())
        return QString();
    return m_strToolTip[enumSide];
}

CFancyLineEdit::CFancyLineEdit(QWidget* pParent)
    : CFancyLineEdit(*new CFancyLineEditPrivate, pParent)
{
}

CFancyLineEdit::CFancyLineEdit(CFancyLineEditPrivate& dd, QWidget* pParent)
    : CLineEdit(dd, pParent)
{
    Q_D(CFancyLineEdit);
    // The button signal names its side's type the short way; queued
    // connections and signal spies look it up by that name.
    qRegisterMetaType<CFancyLineEdit::Side>("CFancyLineEdit::Side");
    d->Init();
}

CFancyLineEdit::~CFancyLineEdit() = default;

void CFancyLineEdit::SetButtonPixmap(Side enumSide, const QPixmap& pixmap)
{
    Q_D(CFancyLineEdit);
    if (!IsSide(enumSide, "SetButtonPixmap"))
        return;
    d->m_pIconButton[enumSide]->SetPixmap(pixmap);
    d->UpdateMargins();
}

QPixmap CFancyLineEdit::ButtonPixmap(Side enumSide) const
{
    Q_D(const CFancyLineEdit);
    if (!IsSide(enumSide, "ButtonPixmap"))
        return QPixmap();
    return d->m_pIconButton[enumSide]->GetPixmap();
}

void CFancyLineEdit::SetButtonMenu(Side enumSide, QMenu* pMenu)
{
    Q_D(CFancyLineEdit);
    if (!IsSide(enumSide, "SetButtonMenu"))
        return;
    if (pMenu && !pMenu->parent())
        pMenu->setParent(this, pMenu->windowFlags());
    d->m_pMenu[enumSide] = pMenu;
}

QMenu* CFancyLineEdit::ButtonMenu(Side enumSide) const
{
    Q_D(const CFancyLineEdit);
    if (!IsSide(enumSide, "ButtonMenu"))
        return nullptr;
    return d->m_pMenu[enumSide];
}

void CFancyLineEdit::SetButtonVisible(Side enumSide, bool bVisible)
{
    Q_D(CFancyLineEdit);
    if (!IsSide(enumSide, "SetButtonVisible"))
        return;
    d->m_pIconButton[enumSide]->setVisible(bVisible);
    d->m_bVisible[enumSide] = bVisible;
    d->UpdateMargins();
}

bool CFancyLineEdit::IsButtonVisible(Side enumSide) const
{
    Q_D(const CFancyLineEdit);
    if (!IsSide(enumSide, "IsButtonVisible"))
        return false;
    return d->m_bVisible[enumSide];
}

void CFancyLineEdit::SetButtonToolTip(Side enumSide, const QString& strToolTip)
{
    Q_D(CFancyLineEdit);
    if (!IsSide(enumSide, "SetButtonToolTip"))
        return;
    d->m_strToolTip[enumSide] = strToolTip;
    d->m_pIconButton[enumSide]->setToolTip(d->ShownToolTip(enumSide));
}

void CFancyLineEdit::SetButtonFocusPolicy(Side enumSide, Qt::FocusPolicy enumPolicy)
{
    Q_D(CFancyLineEdit);
    if (!IsSide(enumSide, "SetButtonFocusPolicy"))
        return;
    d->m_pIconButton[enumSide]->setFocusPolicy(enumPolicy);
}

void CFancyLineEdit::SetAutoHideButton(Side enumSide, bool bAutoHide)
{
    Q_D(CFancyLineEdit);
    if (!IsSide(enumSide, "SetAutoHideButton"))
        return;
    CIconButton* pButton = d->m_pIconButton[enumSide];
    pButton->SetOpenAnimation(bAutoHide);
    pButton->SetIconOpacity(bAutoHide && text().isEmpty() ? 0.0f : 1.0f);
    // An auto-hiding button gets its tool tip back with the next change
    // between an empty and a filled field.
    pButton->setToolTip(bAutoHide ? QString() : d->ShownToolTip(enumSide));
    d->UpdateMargins();
}

bool CFancyLineEdit::HasAutoHideButton(Side enumSide) const
{
    Q_D(const CFancyLineEdit);
    if (!IsSide(enumSide, "HasAutoHideButton"))
        return false;
    return d->m_pIconButton[enumSide]->IsOpenAnimation();
}

void CFancyLineEdit::SetMenuTabFocusTrigger(Side enumSide, bool bTrigger)
{
    Q_D(CFancyLineEdit);
    if (!IsSide(enumSide, "SetMenuTabFocusTrigger"))
        return;
    d->m_bMenuTabFocusTrigger[enumSide] = bTrigger;
}

bool CFancyLineEdit::HasMenuTabFocusTrigger(Side enumSide) const
{
    Q_D(const CFancyLineEdit);
    if (!IsSide(enumSide, "HasMenuTabFocusTrigger"))
        return false;
    return d->m_bMenuTabFocusTrigger[enumSide];
}

CIconButton* CFancyLineEdit::Button(Side enumSide) const
{
    Q_D(const CFancyLineEdit);
    if (!IsSide(enumSide, "Button"))
        return nullptr;
    return d->m_pIconButton[enumSide];
}

void CFancyLineEdit::resizeEvent(QResizeEvent* pEvent)
{
    Q_D(CFancyLineEdit);
    CLineEdit::resizeEvent(pEvent);
    d->UpdateButtonPositions();
}

// CLineEdit reports the focus first; a slot may delete the line edit.
void CFancyLineEdit::focusInEvent(QFocusEvent* pEvent)
{
    Q_D(CFancyLineEdit);
    const Qt::FocusReason enumReason = pEvent->reason();
    const QPointer<CFancyLineEdit> pThis(this);
    CLineEdit::focusInEvent(pEvent);
    if (!pThis || (enumReason != Qt::TabFocusReason && enumReason != Qt::BacktabFocusReason))
        return;
    for (int iSide = Left; iSide <= Right; ++iSide) {
        QMenu* pMenu = d->m_pMenu[iSide];
        if (pMenu && d->m_bMenuTabFocusTrigger[iSide]) {
            const CIconButton* pButton = d->m_pIconButton[iSide];
            pMenu->popup(pButton->mapToGlobal(pButton->rect().bottomLeft()));
            return;
        }
    }
}

void CFancyLineEdit::changeEvent(QEvent* pEvent)
{
    Q_D(CFancyLineEdit);
    CLineEdit::changeEvent(pEvent);
    if (pEvent->type() == QEvent::LayoutDirectionChange || pEvent->type() == QEvent::StyleChange)
        d->UpdateMargins();
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/LineEdit/moc_FancyLineEdit.cpp"
