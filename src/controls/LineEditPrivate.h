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
    virtual ~CLineEditPrivate() = default;

    CLineEdit* q_ptr = nullptr;
    // The validator of the last SetMaxLineEditLength() call.
    QPointer<CRegExpValidator> m_pByteValidator;
};

} // namespace OrvaGUIToolkit

#endif
