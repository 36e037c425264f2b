#ifndef ORVAGUITOOLKIT_CONTROLS_LINEEDITPRIVATE_H
#define ORVAGUITOOLKIT_CONTROLS_LINEEDITPRIVATE_H

#include <OrvaGUIToolkit/LineEdit/LineEdit.h>

#include <QtCore/QPointer>

namespace OrvaGUIToolkit {

class CRegExpValidator;

class CLineEditPrivate
{
    Q_DECLARE_PUBLIC(CLineEdit)

public:
    // Where QLineEdit's focus-out handling stands. It finishes the edit from
    // inside; the line edit reports that once the handling is over, where a
    // slot may delete the line edit.
    enum class FocusOutState { None, Leaving, FinishedWhileLeaving };

    virtual ~CLineEditPrivate() = default;

    CLineEdit* q_ptr = nullptr;
    FocusOutState m_enumFocusOutState = FocusOutState::None;
    // The validator of the last SetMaxLineEditLength() call.
    QPointer<CRegExpValidator> m_pByteValidator;
};

} // namespace OrvaGUIToolkit

#endif
