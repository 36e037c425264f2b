// Addresses, net masks and user-typed names: validation and reformatting.

#include <OrvaGUIToolkit/Foundation/GuiFunctions.h>

#include "foundation/ForbiddenCharacters.h"

#include <QtCore/QRegularExpression>

namespace OrvaGUIToolkit {

bool ParseIp4(const QString& strIp)
{
    const QStringList listParts = strIp.split(QLatin1Char('.'));
    if (listParts.size() != 4)
        return false;
    for (const QString& strPart : listParts) {
        bool bOk = false;
        const uint uValue = strPart.toUInt(&bOk, 10);
        if (!bOk || uValue >= 256)
            return false;
    }
    return true;
}

bool IsAvailableIpv4(const QString& strIp)
{
    if (!ParseIp4(strIp))
        return false;
    const uint uFirst = strIp.section(QLatin1Char('.'), 0, 0).toUInt();
    return uFirst >= 1 && uFirst <= 223;
}

bool IsNetMask(const QString& strMask)
{
    static const QRegularExpression s_mask(QRegularExpression::anchoredPattern(QStringLiteral(
        "(254|252|248|240|224|192|128|0)\\.0\\.0\\.0|"
        "255\\.(254|252|248|240|224|192|128|0)\\.0\\.0|"
        "255\\.255\\.(254|252|248|240|224|192|128|0)\\.0|"
        "255\\.255\\.255\\.(252|248|240|224|192|128|0)")));
    return s_mask.match(strMask).hasMatch();
}

bool ParseIpv6(const QString& strIp)
{
    QString strText = strIp;
    const int iZone = strText.lastIndexOf(QLatin1Char('%'));
    if (iZone >= 0)
        strText.truncate(iZone);

    const QStringList listParts = strText.split(QLatin1Char(':'));
    const int n = listParts.size();
    if (n < 3 || n > 8)
        return false;

    int iDoubleColons = 0;
    for (int i = 0; i + 1 < strText.size(); ++i) {
        if (strText.at(i) == QLatin1Char(':') && strText.at(i + 1) == QLatin1Char(':'))
            ++iDoubleColons;
    }
    if (n == 8 && iDoubleColons > 1)
        return false;
    // Without a "::" every group must be written; a dotted IPv4 tail stands for two.
    if (iDoubleColons != 1 && n < (strText.contains(QLatin1Char('.')) ? 7 : 8))
        return false;

    for (int i = n - 1; i >= 0; --i) {
        const QString& strPart = listParts.at(i);
        if (strPart.isEmpty()) {
            if (i == n - 1 && !listParts.at(i - 1).isEmpty())
                return false;
            if (i == 0 && !listParts.at(1).isEmpty())
                return false;
            continue;
        }
        bool bOk = false;
        const uint uGroup = strPart.toUInt(&bOk, 16);
        if (bOk && uGroup <= 0xFFFF)
            continue;
        if (i != n - 1 || !ParseIp4(strPart))
            return false;
    }
    return true;
}

bool ParseIpv4Multicast(const QString& strIp)
{
    static const QRegularExpression s_pattern(
        QStringLiteral("\\A(\\d+)(\\.)(\\d+)(\\.)(\\d+)(\\.)(\\d+)"));
    const QRegularExpressionMatch match = s_pattern.match(strIp);
    if (!match.hasMatch())
        return false;
    for (int iGroup = 1; iGroup <= 7; iGroup += 2) {
        bool bOk = false;
        if (match.captured(iGroup).toUInt(&bOk) > 255 || !bOk)
            return false;
    }
    const uint uFirst = match.captured(1).toUInt();
    return uFirst >= 224 && uFirst <= 239;
}

bool ParseIpv6Multicast(const QString& strIp)
{
    return ParseIpv6(strIp);
}

bool IsMulticast(const QString& strIp)
{
    return ParseIpv6(strIp) || ParseIpv4Multicast(strIp);
}

bool ParseMacAddress(const QString& strMac)
{
    static const QRegularExpression s_mac(QRegularExpression::anchoredPattern(QStringLiteral(
        "[0-9A-Fa-f]{2}:[0-9A-Fa-f]{2}:[0-9A-Fa-f]{2}:[0-9A-Fa-f]{2}:[0-9A-Fa-f]{2}:[0-9A-Fa-f]{2}")));
    return s_mac.match(strMac).hasMatch();
}

bool IsInputValid(const QString& strText)
{
    return ForbiddenCharactersRegExp(true).indexIn(strText) == -1;
}

bool IsInputValidV2(const QString& strText)
{
    return ForbiddenCharactersRegExp(false).indexIn(strText) == -1;
}

bool ParseMonthValid(int iMonth, int iDay)
{
    if (iMonth == 2 && (iDay == 30 || iDay == 31))
        return false;
    return !((iMonth == 4 || iMonth == 6 || iMonth == 9 || iMonth == 11) && iDay == 31);
}

QString IPToFullString(const QString& strIp)
{
    if (!ParseIp4(strIp))
        return QString();
    QStringList listParts;
    for (const QString& strPart : strIp.split(QLatin1Char('.')))
        listParts << QStringLiteral("%1").arg(strPart.toUInt(), 3, 10, QLatin1Char('0'));
    return listParts.join(QLatin1Char('.'));
}

QString FullStringToIP(const QString& strText)
{
    QStringList listParts = strText.split(QLatin1Char('.'));
    if (listParts.size() != 4)
        return strText;
    for (QString& strPart : listParts) {
        int iFirst = 0;
        while (iFirst < strPart.size() && strPart.at(iFirst) == QLatin1Char('0'))
            ++iFirst;
        strPart = iFirst == strPart.size() && !strPart.isEmpty() ? QStringLiteral("0") : strPart.mid(iFirst);
    }
    return listParts.join(QLatin1Char('.'));
}

QString ParseUrl(const QString& strUrl)
{
    QString strEscaped = strUrl;
    strEscaped.replace(QLatin1Char('"'), QLatin1String("&quot;"));
    return QStringLiteral("&quot;%1&quot;").arg(strEscaped);
}

} // namespace OrvaGUIToolkit
