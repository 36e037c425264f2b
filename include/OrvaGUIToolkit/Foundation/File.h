#ifndef ORVAGUITOOLKIT_FOUNDATION_FILE_H
#define ORVAGUITOOLKIT_FOUNDATION_FILE_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtCore/QString>
#include <QtCore/QStringList>

namespace OrvaGUIToolkit {

class ORVAGUITOOLKIT_EXPORT CFile
{
public:
    // The file's bytes as Latin-1 text up to the first NUL byte; an empty
    // string, and a debug line, when the file cannot be opened or is not a
    // regular file (a device or a pipe).
    static QString ReadAll(const QString& strPath);
    // The concatenation of ReadAll of each name in strDir, in order.
    static QString ReadAll(const QStringList& listNames, const QString& strDir);
};

} // namespace OrvaGUIToolkit

#endif
