#include <OrvaGUIToolkit/LineEdit/PasswordLineEdit.h>

#include <QtCore/QCoreApplication>
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

} // namespace

CPasswordLineEdit::CPasswordLineEdit(QWidget* pParent)
    : CLineEdit(pParent)
{
    // A drop is a paste by other means.
    setAcceptDrops(false);
    setDragEnabled(false);
}

CPasswordLineEdit::~CPasswordLineEdit() = default;

void CPasswordLineEdit::keyPressEvent(QKeyEvent* pEvent)
{
    if (pEvent->matches(QKeySequence::Cut) || pEvent->matches(QKeySequence::Copy)
        || pEvent->matches(QKeySequence::Paste)) {
        pEvent->ignore();
        return;
    }
    CLineEdit::keyPressEvent(pEvent);
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
