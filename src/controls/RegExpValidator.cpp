#include <OrvaGUIToolkit/LineEdit/RegExpValidator.h>

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

CRegExpValidator::CRegExpValidator(int iMaxLength, QObject* pParent)
    : CRegExpValidator(iMaxLength, QRegExp(AnyTextPattern()), pParent)
{
}

CRegExpValidator::CRegExpValidator(const QRegExp& regExp, QObject* pParent)
    : CRegExpValidator(-1, regExp, pParent)
{
}

#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
CRegExpValidator::CRegExpValidator(int iMaxLength, const QRegExp& regExp, QObject* pParent)
    : QRegExpValidator(regExp, pParent)
    , m_iMaxLength(iMaxLength)
{
}
#else
CRegExpValidator::CRegExpValidator(int iMaxLength, const QRegExp& regExp, QObject* pParent)
    : QValidator(pParent)
    , m_iMaxLength(iMaxLength)
    , m_regExp(regExp)
{
}

QRegExp CRegExpValidator::regExp() const
{
    return m_regExp;
}

void CRegExpValidator::setRegExp(const QRegExp& regExp)
{
    if (regExp == m_regExp)
        return;
    m_regExp = regExp;
    Q_EMIT regExpChanged(m_regExp);
    Q_EMIT changed();
}
#endif

CRegExpValidator::~CRegExpValidator() = default;

int CRegExpValidator::GetMaxLength() const
{
    return m_iMaxLength;
}

void CRegExpValidator::SetMaxLength(int iMaxLength)
{
    if (iMaxLength == m_iMaxLength)
        return;
    m_iMaxLength = iMaxLength;
    Q_EMIT changed();
}

QTextCodec* CRegExpValidator::GetTextCodec() const
{
    return m_pTextCodec ? m_pTextCodec : GetGuiTextCodec();
}

void CRegExpValidator::SetTextCodec(QTextCodec* pCodec)
{
    if (pCodec == m_pTextCodec)
        return;
    m_pTextCodec = pCodec;
    Q_EMIT changed();
}

QValidator::State CRegExpValidator::validate(QString& strInput, int& iPos) const
{
    if (m_iMaxLength >= 0 && EncodedLength(strInput) > m_iMaxLength) {
        strInput.truncate(FittingPrefixLength(strInput));
        iPos = strInput.size();
        return Intermediate;
    }
    if (regExp().pattern() == AnyTextPattern())
        return ValidatePattern(strInput, iPos);
    return RemoveForbidden(strInput, iPos);
}

// What a regular-expression validator answers: a full match is acceptable, a
// text the expression could still grow into is intermediate.
QValidator::State CRegExpValidator::ValidatePattern(QString& strInput, int& iPos) const
{
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    return QRegExpValidator::validate(strInput, iPos);
#else
    QRegExp pattern = m_regExp;
    if (pattern.exactMatch(strInput))
        return Acceptable;
    if (pattern.matchedLength() == strInput.size())
        return Intermediate;
    iPos = strInput.size();
    return Invalid;
#endif
}

// A forbidden-character expression. Typing puts the offending character in
// front of the cursor, a paste or a text set by code may carry many anywhere:
// every match goes in one pass, so the line edit's next validation accepts.
// The cursor moves back by what was removed in front of it.
QValidator::State CRegExpValidator::RemoveForbidden(QString& strInput, int& iPos) const
{
    QRegExp forbidden = regExp();
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
        return Acceptable;
    strKept += strInput.mid(qMin(iFrom, iSize));
    strInput = strKept;
    iPos = iCursor - iRemovedBeforeCursor;
    return Intermediate;
}

int CRegExpValidator::EncodedLength(const QString& strText) const
{
    QTextCodec* pCodec = GetTextCodec();
    // Without any codec the text is counted as UTF-8, the encoding Qt falls back on.
    return pCodec ? pCodec->fromUnicode(strText).size() : strText.toUtf8().size();
}

// The longest prefix whose encoding fits in the byte limit, never splitting a
// surrogate pair. Encoded lengths grow with the prefix, so a binary search
// over the prefix length finds it with a logarithmic number of encodings.
int CRegExpValidator::FittingPrefixLength(const QString& strText) const
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

} // namespace OrvaGUIToolkit
