#include <OrvaGUIToolkit/Pager/IntValidator.h>

namespace OrvaGUIToolkit {

CIntValidator::CIntValidator(QObject* pParent)
    : QIntValidator(pParent)
{
}

CIntValidator::CIntValidator(int iBottom, int iTop, QObject* pParent)
    : QIntValidator(iBottom, iTop, pParent)
{
}

CIntValidator::~CIntValidator() = default;

QValidator::State CIntValidator::validate(QString& strInput, int& iPos) const
{
    Q_UNUSED(iPos)
    if (strInput.contains(QLatin1Char(' ')))
        return Invalid;
    if (strInput.isEmpty() || (bottom() < 0 && strInput == QLatin1String("-")))
        return Intermediate;
    bool bOk = false;
    const qlonglong llValue = strInput.toLongLong(&bOk, 10);
    if (!bOk || llValue < bottom() || llValue > top())
        return Invalid;
    return Acceptable;
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/Pager/moc_IntValidator.cpp"
