#ifndef ORVAGUITOOLKIT_LINEEDIT_PASSWORDLINEEDIT_H
#define ORVAGUITOOLKIT_LINEEDIT_PASSWORDLINEEDIT_H

#include <OrvaGUIToolkit/LineEdit/LineEdit.h>

namespace OrvaGUIToolkit {

// A line edit for secrets: its text can be neither cut nor copied out of it,
// nor pasted or dropped into it, so that passwords are always typed. The echo
// mode is the caller's choice.
class ORVAGUITOOLKIT_EXPORT CPasswordLineEdit : public CLineEdit
{
    Q_OBJECT

public:
    explicit CPasswordLineEdit(QWidget* pParent = nullptr);
    ~CPasswordLineEdit() override;

protected:
    void keyPressEvent(QKeyEvent* pEvent) override;
    void contextMenuEvent(QContextMenuEvent* pEvent) override;
    void mouseReleaseEvent(QMouseEvent* pEvent) override;
};

} // namespace OrvaGUIToolkit

#endif
