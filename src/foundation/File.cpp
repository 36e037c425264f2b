#include <OrvaGUIToolkit/Foundation/File.h>

#include <QtCore/QDebug>
#include <QtCore/QFile>

namespace OrvaGUIToolkit {

QString CFile::ReadAll(const QString& strPath)
{
    QFile file(strPath);
    if (!file.open(QIODevice::ReadOnly)) {
        qDebug().noquote() << QStringLiteral("Unable to open %1: %2").arg(strPath, file.errorString());
        return QString();
    }
    // The byte array is NUL-terminated, so the text ends at the first NUL byte.
    return QString::fromLatin1(file.readAll().constData());
}

QString CFile::ReadAll(const QStringList& listNames, const QString& strDir)
{
    QString strPrefix = strDir;
    if (!strPrefix.endsWith(QLatin1Char('/')))
        strPrefix += QLatin1Char('/');
    QString strText;
    for (const QString& strName : listNames)
        strText += ReadAll(strPrefix + strName);
    return strText;
}

} // namespace OrvaGUIToolkit
