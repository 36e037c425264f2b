#include "controls/PasswordLineEditPrivate.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QPointer>
#include <QtGui/QContextMenuEvent>
#include <QtGui/QKeyEvent>
#include <QtWidgets/QMenu>

namespace OrvaGUIToolkit {

namespace {

// The standard menu's cut, copy and paste entries, recognised by the texts
// Qt's line edit gives them (the part before the shortcut).
bool IsClipboardAction(const QAction* pAction)
{
    const QString strText = pAction->text().section(QLatin1Char('\t'), 0, 0);
    for (const char* szEntry : {"Cu&t", "&Copy", "&Paste"}) {
        if (strText == QCoreApplication::translate("QLineEdit", szEntry))
            return true;
    }
    return false;
}

// Whether strNew is strOld with one stretch of characters taken out (or
// unchanged): what deleting, backspacing and cutting leave.
bool IsRemoval(const QString& strOld, const QString& strNew)
{
    if (strNew.size() > strOld.size())
        return false;
    int iPrefix = 0;
    while (iPrefix < strNew.size() && strNew.at(iPrefix) == strOld.at(iPrefix))
        ++iPrefix;
    int iSuffix = 0;
    while (iPrefix + iSuffix < strNew.size()
           && strNew.at(strNew.size() - 1 - iSuffix) == strOld.at(strOld.size() - 1 - iSuffix))
        ++iSuffix;
    return iPrefix + iSuffix == strNew.size();
}

} // namespace

void CPasswordLineEditPrivate::DropVisibleSelection()
{
    Q_Q(CPasswordLineEdit);
    if (q->echoMode() == QLineEdit::Normal && q->hasSelectedText())
        q->deselect();
}

void CPasswordLineEditPrivate::OnTextEdited(const QString& strText)
{
    Q_Q(CPasswordLineEdit);
    if (m_enumEditState == EditState::Typing || IsRemoval(m_strText, strText))
        return;
    const int iCursor = qMin(q->cursorPosition(), m_strText.size());
    q->setText(m_strText);
    q->setCursorPosition(iCursor);
}

CPasswordLineEdit::CPasswordLineEdit(QWidget* pParent)
    : CPasswordLineEdit(*new CPasswordLineEditPrivate, pParent)
{
}

CPasswordLineEdit::CPasswordLineEdit(CPasswordLineEditPrivate& dd, QWidget* pParent)
    : CLineEdit(dd, pParent)
{
    Q_D(CPasswordLineEdit);
    QLineEdit::setEchoMode(QLineEdit::Password);
    // A drop is a paste by other means.
    setAcceptDrops(false);
    setDragEnabled(false);
    // A selection while the text is shown would be copied by the X11
    // selection clipboard and by QLineEdit::copy().
    connect(this, &QLineEdit::selectionChanged, this, [d] { d->DropVisibleSelection(); });
    connect(this, &QLineEdit::textEdited, this, [d](const QString& strText) { d->OnTextEdited(strText); });
    connect(this, &QLineEdit::textChanged, this, [this, d] { d->m_strText = text(); });
}

CPasswordLineEdit::~CPasswordLineEdit() = default;

void CPasswordLineEdit::setEchoMode(QLineEdit::EchoMode enumMode)
{
    Q_D(CPasswordLineEdit);
    QLineEdit::setEchoMode(enumMode);
    d->DropVisibleSelection();
}

// An echo mode switched through a plain QLineEdit pointer is seen here, with
// the next event the field gets.
bool CPasswordLineEdit::event(QEvent* pEvent)
{
    Q_D(CPasswordLineEdit);
    d->DropVisibleSelection();
    return CLineEdit::event(pEvent);
}

void CPasswordLineEdit::keyPressEvent(QKeyEvent* pEvent)
{
    Q_D(CPasswordLineEdit);
    if (pEvent->matches(QKeySequence::Cut) || pEvent->matches(QKeySequence::Copy)
        || pEvent->matches(QKeySequence::Paste)) {
        pEvent->ignore();
        return;
    }
    // A slot of the edit's signals may delete the field.
    const QPointer<CPasswordLineEdit> pThis(this);
    d->m_enumEditState = CPasswordLineEditPrivate::EditState::Typing;
    CLineEdit::keyPressEvent(pEvent);
    if (pThis)
        d->m_enumEditState = CPasswordLineEditPrivate::EditState::Idle;
}

void CPasswordLineEdit::inputMethodEvent(QInputMethodEvent* pEvent)
{
    Q_D(CPasswordLineEdit);
    const QPointer<CPasswordLineEdit> pThis(this);
    d->m_enumEditState = CPasswordLineEditPrivate::EditState::Typing;
    CLineEdit::inputMethodEvent(pEvent);
    if (pThis)
        d->m_enumEditState = CPasswordLineEditPrivate::EditState::Idle;
}

// The standard menu, with its clipboard entries disabled.
void CPasswordLineEdit::contextMenuEvent(QContextMenuEvent* pEvent)
{
    QMenu* pMenu = createStandardContextMenu();
    pMenu->setAttribute(Qt::WA_DeleteOnClose);
    for (QAction* pAction : pMenu->actions()) {
        if (IsClipboardAction(pAction))
            pAction->setEnabled(false);
    }
    pMenu->popup(pEvent->globalPos());
}

// The middle button pastes the selection clipboard on some platforms.
void CPasswordLineEdit::mouseReleaseEvent(QMouseEvent* pEvent)
{
    if (pEvent->button() == Qt::MiddleButton) {
        pEvent->ignore();
        return;
    }
    CLineEdit::mouseReleaseEvent(pEvent);
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/LineEdit/moc_PasswordLineEdit.cpp"
