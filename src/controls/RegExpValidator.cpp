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

CRegExpValidator::CRegExpValidator(int iMaxLength, const QRegExp& regExp, QObject* pParent)
    : QRegExpValidator(regExp, pParent)
    , m_iMaxLength(iMaxLength)
{
}

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
        return QRegExpValidator::validate(strInput, iPos);

    // A forbidden-character expression. Typing puts the offending character in
    // front of the cursor: take that one out again. A paste or a text set by
    // code may carry it elsewhere; the nearest one before the cursor (else the
    // first one) goes, and the line edit validates again until none is left.
    const QRegExp& forbidden = regExp();
    int iMatch = forbidden.lastIndexIn(strInput, qMax(0, iPos - 1));
    if (iMatch < 0 || iMatch >= iPos)
        iMatch = forbidden.indexIn(strInput);
    // An expression that only matches the empty string forbids nothing.
    const int iLength = iMatch < 0 ? 0 : forbidden.matchedLength();
    if (iLength <= 0)
        return Acceptable;
    strInput.remove(iMatch, iLength);
    if (iPos > iMatch)
        iPos = qMax(iMatch, iPos - iLength);
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
