#include "foundation/ToolkitLogging.h"
#include <OrvaGUIToolkit/Foundation/File.h>

#include <QtCore/QFile>
#include <QtCore/QFileInfo>

namespace OrvaGUIToolkit {

namespace {

QString CannotOpen(const QString& strPath, const QString& strReason)
{
    qCDebug(lcOrvaGUIToolkit).noquote() << QStringLiteral("Unable to open %1: %2").arg(strPath, strReason);
    return QString();
}

} // namespace

QString CFile::ReadAll(const QString& strPath)
{
    // Devices and pipes never end (/dev/zero) or block until a writer comes (a
    // FIFO): only regular files are read, checked before opening as a FIFO
    // would block in open() already, and again after, in case the path
    // changed in between.
    if (QFileInfo::exists(strPath) && !QFileInfo(strPath).isFile())
        return CannotOpen(strPath, QStringLiteral("Not a regular file"));
    QFile file(strPath);
    if (!file.open(QIODevice::ReadOnly))
        return CannotOpen(strPath, file.errorString());
    if (file.isSequential())
        return CannotOpen(strPath, QStringLiteral("Not a regular file"));
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
