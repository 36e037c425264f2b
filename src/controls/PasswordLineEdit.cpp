#include <OrvaGUIToolkit/LineEdit/PasswordLineEdit.h>

#include <QtGui/QContextMenuEvent>
#include <QtGui/QKeyEvent>
#include <QtWidgets/QMenu>

namespace OrvaGUIToolkit {

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
        const QString strName = pAction->objectName();
        if (strName == QLatin1String("edit-cut") || strName == QLatin1String("edit-copy")
            || strName == QLatin1String("edit-paste"))
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
