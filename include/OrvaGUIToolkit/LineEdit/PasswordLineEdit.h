#ifndef ORVAGUITOOLKIT_LINEEDIT_PASSWORDLINEEDIT_H
#define ORVAGUITOOLKIT_LINEEDIT_PASSWORDLINEEDIT_H

#include <OrvaGUIToolkit/LineEdit/LineEdit.h>

namespace OrvaGUIToolkit {

class CPasswordLineEditPrivate;

// A line edit for secrets: its text never goes to the clipboard, and nothing
// comes into it from the clipboard or a drop, so that passwords are always
// typed. Shortcuts, the context menu and QLineEdit's copy(), cut() and paste()
// slots all leave both the clipboard and the text alone.
//
// The field starts in the QLineEdit::Password echo mode. A client may show
// the text with QLineEdit::Normal; the field then holds no selection, so that
// there is nothing a copy could take.
class ORVAGUITOOLKIT_EXPORT CPasswordLineEdit : public CLineEdit
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CPasswordLineEdit)

public:
    explicit CPasswordLineEdit(QWidget* pParent = nullptr);
    ~CPasswordLineEdit() override;

    // QLineEdit::setEchoMode(), dropping any selection before the text shows.
    void setEchoMode(QLineEdit::EchoMode enumMode);

protected:
    // For password fields that extend the state: dd derives from the field's
    // state and is owned by the field from here on.
    CPasswordLineEdit(CPasswordLineEditPrivate& dd, QWidget* pParent);
    bool event(QEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;
    void inputMethodEvent(QInputMethodEvent* pEvent) override;
    void contextMenuEvent(QContextMenuEvent* pEvent) override;
    void mouseReleaseEvent(QMouseEvent* pEvent) override;
};

} // namespace OrvaGUIToolkit

#endif
