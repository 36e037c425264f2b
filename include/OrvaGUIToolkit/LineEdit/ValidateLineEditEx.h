#ifndef ORVAGUITOOLKIT_LINEEDIT_VALIDATELINEEDITEX_H
#define ORVAGUITOOLKIT_LINEEDIT_VALIDATELINEEDITEX_H

#include <OrvaGUIToolkit/LineEdit/ValidateLineEdit.h>

namespace OrvaGUIToolkit {

class CValidateLineEditExPrivate;

// A validating line edit that refuses the apostrophe as well, for names that
// end up in quoted database and device commands.
class ORVAGUITOOLKIT_EXPORT CValidateLineEditEx : public CValidateLineEdit
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CValidateLineEditEx)

public:
    explicit CValidateLineEditEx(QWidget* pParent = nullptr);
    ~CValidateLineEditEx() override;

protected:
    // For line edits that extend the state: dd derives from the line edit's
    // state and is owned by the line edit from here on.
    CValidateLineEditEx(CValidateLineEditExPrivate& dd, QWidget* pParent);
};

} // namespace OrvaGUIToolkit

#endif
