#include "controls/RegExpValidatorPrivate.h"

#include <OrvaGUIToolkit/Foundation/GuiFunctions.h>

#include <QTextCodec>

namespace OrvaGUIToolkit {

namespace {

const QString& AnyTextPattern()
{
    static const QString s_str = QStringLiteral(".*");
    return s_str;
}

} // namespace

// What a regular-expression validator answers: a full match is acceptable, a
// text the expression could still grow into is intermediate.
QValidator::State CRegExpValidatorPrivate::ValidatePattern(QString& strInput, int& iPos) const
{
    Q_Q(const CRegExpValidator);
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    return q->QRegExpValidator::validate(strInput, iPos);
#else
    QRegExp pattern = q->regExp();
    if (pattern.exactMatch(strInput))
        return QValidator::Acceptable;
    if (pattern.matchedLength() == strInput.size())
        return QValidator::Intermediate;
    iPos = strInput.size();
    return QValidator::Invalid;
#endif
}

// A forbidden-character expression. Typing puts the offending character in
// front of the cursor, a paste or a text set by code may carry many anywhere:
// every match goes in one pass, so the line edit's next validation accepts.
// The cursor moves back by what was removed in front of it.
QValidator::State CRegExpValidatorPrivate::RemoveForbidden(QString& strInput, int& iPos) const
{
    Q_Q(const CRegExpValidator);
    QRegExp forbidden = q->regExp();
    const int iSize = strInput.size();
    const int iCursor = qBound(0, iPos, iSize);
    QString strKept;
    int iRemovedBeforeCursor = 0;
    int iFrom = 0;
    bool bRemoved = false;
    while (iFrom < iSize) {
        const int iMatch = forbidden.indexIn(strInput, iFrom);
        if (iMatch < 0)
            break;
        const int iLength = forbidden.matchedLength();
        // An empty match forbids nothing: look on past it.
        const int iKeepEnd = iLength > 0 ? iMatch : iMatch + 1;
        strKept += strInput.mid(iFrom, iKeepEnd - iFrom);
        if (iLength > 0) {
            iRemovedBeforeCursor += qBound(0, iCursor - iMatch, iLength);
            bRemoved = true;
        }
        iFrom = iKeepEnd + qMax(0, iLength);
    }
    if (!bRemoved)
        return QValidator::Acceptable;
    strKept += strInput.mid(qMin(iFrom, iSize));
    strInput = strKept;
    iPos = iCursor - iRemovedBeforeCursor;
    return QValidator::Intermediate;
}

int CRegExpValidatorPrivate::EncodedLength(const QString& strText) const
{
    Q_Q(const CRegExpValidator);
    QTextCodec* pCodec = q->GetTextCodec();
    // Without any codec the text is counted as UTF-8, the encoding Qt falls back on.
    return pCodec ? pCodec->fromUnicode(strText).size() : strText.toUtf8().size();
}

// The longest prefix whose encoding fits in the byte limit, never splitting a
// surrogate pair. Encoded lengths grow with the prefix, so a binary search
// over the prefix length finds it with a logarithmic number of encodings.
int CRegExpValidatorPrivate::FittingPrefixLength(const QString& strText) const
{
    int iLow = 0;
    int iHigh = strText.size();
    while (iLow < iHigh) {
        const int iMid = iLow + (iHigh - iLow + 1) / 2;
        if (EncodedLength(strText.left(iMid)) <= m_iMaxLength)
            iLow = iMid;
        else
            iHigh = iMid - 1;
    }
    if (iLow > 0 && strText.at(iLow - 1).isHighSurrogate())
        --iLow;
    return iLow;
}

CRegExpValidator::CRegExpValidator(int iMaxLength, QObject* pParent)
    : CRegExpValidator(iMaxLength, QRegExp(AnyTextPattern()), pParent)
{
}

CRegExpValidator::CRegExpValidator(const QRegExp& regExp, QObject* pParent)
    : CRegExpValidator(-1, regExp, pParent)
{
}

CRegExpValidator::CRegExpValidator(int iMaxLength, const QRegExp& regExp, QObject* pParent)
    : CRegExpValidator(*new CRegExpValidatorPrivate, iMaxLength, regExp, pParent)
{
}

#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
CRegExpValidator::CRegExpValidator(CRegExpValidatorPrivate& dd, int iMaxLength, const QRegExp& regExp,
                                   QObject* pParent)
    : QRegExpValidator(regExp, pParent)
    , d_ptr(&dd)
{
    Q_D(CRegExpValidator);
    d->q_ptr = this;
    d->m_iMaxLength = iMaxLength;
}
#else
CRegExpValidator::CRegExpValidator(CRegExpValidatorPrivate& dd, int iMaxLength, const QRegExp& regExp,
                                   QObject* pParent)
    : QValidator(pParent)
    , d_ptr(&dd)
{
    Q_D(CRegExpValidator);
    d->q_ptr = this;
    d->m_iMaxLength = iMaxLength;
    d->m_regExp = regExp;
}

QRegExp CRegExpValidator::regExp() const
{
    Q_D(const CRegExpValidator);
    return d->m_regExp;
}

void CRegExpValidator::setRegExp(const QRegExp& regExp)
{
    Q_D(CRegExpValidator);
    if (regExp == d->m_regExp)
        return;
    d->m_regExp = regExp;
    Q_EMIT regExpChanged(d->m_regExp);
    Q_EMIT changed();
}
#endif

CRegExpValidator::~CRegExpValidator() = default;

int CRegExpValidator::GetMaxLength() const
{
    Q_D(const CRegExpValidator);
    return d->m_iMaxLength;
}

void CRegExpValidator::SetMaxLength(int iMaxLength)
{
    Q_D(CRegExpValidator);
    if (iMaxLength == d->m_iMaxLength)
        return;
    d->m_iMaxLength = iMaxLength;
    Q_EMIT changed();
}

QTextCodec* CRegExpValidator::GetTextCodec() const
{
    Q_D(const CRegExpValidator);
    return d->m_pTextCodec ? d->m_pTextCodec : GetGuiTextCodec();
}

void CRegExpValidator::SetTextCodec(QTextCodec* pCodec)
{
    Q_D(CRegExpValidator);
    if (pCodec == d->m_pTextCodec)
        return;
    d->m_pTextCodec = pCodec;
    Q_EMIT changed();
}

QValidator::State CRegExpValidator::validate(QString& strInput, int& iPos) const
{
    Q_D(const CRegExpValidator);
    if (d->m_iMaxLength >= 0 && d->EncodedLength(strInput) > d->m_iMaxLength) {
        strInput.truncate(d->FittingPrefixLength(strInput));
        iPos = strInput.size();
        return Intermediate;
    }
    if (regExp().pattern() == AnyTextPattern())
        return d->ValidatePattern(strInput, iPos);
    return d->RemoveForbidden(strInput, iPos);
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/LineEdit/moc_RegExpValidator.cpp"
