#ifndef ORVAGUITOOLKIT_LINEEDIT_VALIDATELINEEDITEX_H
#define ORVAGUITOOLKIT_LINEEDIT_VALIDATELINEEDITEX_H

#include <OrvaGUIToolkit/LineEdit/ValidateLineEdit.h>

namespace OrvaGUIToolkit {

// A validating line edit that refuses the apostrophe as well, for names that
// end up in quoted database and device commands.
class ORVAGUITOOLKIT_EXPORT CValidateLineEditEx : public CValidateLineEdit
{
    Q_OBJECT

public:
    explicit CValidateLineEditEx(QWidget* pParent = nullptr);
    ~CValidateLineEditEx() override;
};

} // namespace OrvaGUIToolkit

#endif
