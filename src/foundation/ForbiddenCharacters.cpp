#include "ForbiddenCharacters.h"

#include <QtCore/QStringList>

namespace OrvaGUIToolkit {

QRegExp ForbiddenCharactersRegExp(bool bApostrophe)
{
    QString strCharacters = QStringLiteral("|><\"?*:/\\");
    if (bApostrophe)
        strCharacters += QLatin1Char('\'');
    QStringList listEscaped;
    for (const QChar ch : qAsConst(strCharacters))
        listEscaped << QRegExp::escape(QString(ch));
    return QRegExp(QLatin1Char('(') + listEscaped.join(QLatin1Char('|')) + QLatin1Char(')'), Qt::CaseSensitive);
}

QString ForbiddenCharactersList(bool bApostrophe)
{
    // The order users read them in: path separators first, then wildcards.
    QString strCharacters = QStringLiteral("/\\:*?\"<>|");
    if (bApostrophe)
        strCharacters.prepend(QLatin1Char('\''));
    QString strList = QStringLiteral("\n");
    for (const QChar ch : qAsConst(strCharacters)) {
        strList += QLatin1Char(' ');
        strList += ch;
    }
    return strList;
}

} // namespace OrvaGUIToolkit
