// Paths, dropped files and human-readable file sizes.

#include <OrvaGUIToolkit/Foundation/GuiFunctions.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QDir>
#include <QtCore/QMimeData>
#include <QtCore/QUrl>

#include <cmath>

namespace OrvaGUIToolkit {

namespace {

QString FormatSize(double dValue, const char* szUnit, int iPrecision)
{
    return QStringLiteral("%1 %2").arg(QLocale().toString(dValue, 'f', iPrecision), QLatin1String(szUnit));
}

} // namespace

QString GetTargetPath()
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/');
}

QString GetTargetPathFile(const QString& strFile)
{
    if (QDir::isAbsolutePath(strFile))
        return strFile;
    return GetTargetPath() + strFile;
}

QString GetResources()
{
    return GetTargetPath();
}

QString ParsePathName(const QString& strPath)
{
    return strPath;
}

QStringList GetDragFiles(const QMimeData* pMimeData)
{
    QStringList listFiles;
    if (!pMimeData)
        return listFiles;
    for (const QUrl& url : pMimeData->urls()) {
        const QString strLocal = url.toLocalFile();
        if (!strLocal.isEmpty())
            listFiles << strLocal;
    }
    return listFiles;
}

QString GetFileSize(quint64 uBytes, const QString& strUnit, int iPrecision)
{
    struct Unit { const char* szName; double dDivisor; };
    static const Unit s_units[] = {
        {"TB", 1099511627776.0}, {"GB", 1073741824.0}, {"MB", 1048576.0}, {"KB", 1024.0}};

    // More digits than a double carries say nothing, and QLocale cannot
    // format an unbounded count of them.
    iPrecision = qBound(0, iPrecision, 17);
    // A non-zero size never shows as zero; a zero size does.
    const double dFloor = qMin(std::pow(10.0, -iPrecision), static_cast<double>(uBytes));
    const auto formatIn = [&](const Unit& unit) {
        return FormatSize(qMax(dFloor, static_cast<double>(uBytes) / unit.dDivisor), unit.szName, iPrecision);
    };
    const QString strBytes = QStringLiteral("%1 bytes").arg(QLocale().toString(uBytes));

    if (strUnit == QLatin1String("bytes"))
        return strBytes;
    for (const Unit& unit : s_units) {
        if (strUnit == QLatin1String(unit.szName))
            return formatIn(unit);
    }
    for (const Unit& unit : s_units) {
        if (static_cast<double>(uBytes) >= unit.dDivisor)
            return formatIn(unit);
    }
    return strBytes;
}

} // namespace OrvaGUIToolkit
