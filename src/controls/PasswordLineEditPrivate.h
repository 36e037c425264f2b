#ifndef ORVAGUITOOLKIT_CONTROLS_PASSWORDLINEEDITPRIVATE_H
#define ORVAGUITOOLKIT_CONTROLS_PASSWORDLINEEDITPRIVATE_H

#include <OrvaGUIToolkit/LineEdit/PasswordLineEdit.h>

#include "controls/LineEditPrivate.h"

namespace OrvaGUIToolkit {

class CPasswordLineEditPrivate : public CLineEditPrivate
{
    Q_DECLARE_PUBLIC(CPasswordLineEdit)

public:
    // Where an edit comes from: the keyboard (or an input method) while a key
    // or input-method event is handled, a call from outside otherwise.
    enum class EditState { Idle, Typing };

    // Drops a selection the clear text would let a copy take.
    void DropVisibleSelection();
    // Undoes an edit from outside the keyboard that brought characters in (a
    // paste() or insert() call); removing characters is always allowed.
    void OnTextEdited(const QString& strText);

    EditState m_enumEditState = EditState::Idle;
    // The text after the last change the field kept.
    QString m_strText;
};

} // namespace OrvaGUIToolkit

#endif
