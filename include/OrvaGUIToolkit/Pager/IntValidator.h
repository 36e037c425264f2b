#ifndef ORVAGUITOOLKIT_PAGER_INTVALIDATOR_H
#define ORVAGUITOOLKIT_PAGER_INTVALIDATOR_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtGui/QIntValidator>

namespace OrvaGUIToolkit {

// An integer validator that refuses out-of-range numbers outright instead of
// calling them intermediate, so a box holds nothing or a number in range.
class ORVAGUITOOLKIT_EXPORT CIntValidator : public QIntValidator
{
    Q_OBJECT

public:
    explicit CIntValidator(QObject* pParent = nullptr);
    CIntValidator(int iBottom, int iTop, QObject* pParent = nullptr);
    ~CIntValidator() override;

    QValidator::State validate(QString& strInput, int& iPos) const override;
};

} // namespace OrvaGUIToolkit

#endif
