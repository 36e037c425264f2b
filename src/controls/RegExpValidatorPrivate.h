#ifndef ORVAGUITOOLKIT_CONTROLS_REGEXPVALIDATORPRIVATE_H
#define ORVAGUITOOLKIT_CONTROLS_REGEXPVALIDATORPRIVATE_H

#include <OrvaGUIToolkit/LineEdit/RegExpValidator.h>

namespace OrvaGUIToolkit {

class CRegExpValidatorPrivate
{
    Q_DECLARE_PUBLIC(CRegExpValidator)

public:
    virtual ~CRegExpValidatorPrivate() = default;

    // What a regular-expression validator answers for the expression.
    QValidator::State ValidatePattern(QString& strInput, int& iPos) const;
    // Removes every match of the forbidden-character expression.
    QValidator::State RemoveForbidden(QString& strInput, int& iPos) const;
    int EncodedLength(const QString& strText) const;
    int FittingPrefixLength(const QString& strText) const;

    CRegExpValidator* q_ptr = nullptr;
    // Negative: no byte limit.
    int m_iMaxLength = -1;
    // Null: the process-wide codec at validation time.
    QTextCodec* m_pTextCodec = nullptr;
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    QRegExp m_regExp;
#endif
};

} // namespace OrvaGUIToolkit

#endif
