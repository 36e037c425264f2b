#ifndef ORVAGUITOOLKIT_FOUNDATION_DIR_H
#define ORVAGUITOOLKIT_FOUNDATION_DIR_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtCore/QString>

namespace OrvaGUIToolkit {

class ORVAGUITOOLKIT_EXPORT CDir
{
public:
    // Creates one directory and opens it to everybody (read, write and
    // execute), so that other accounts of the client can share it. The result
    // is that of the creation.
    static bool MkDir(const QString& strPath);
    // Creates the directory and every missing parent.
    static bool MkPath(const QString& strPath);
};

} // namespace OrvaGUIToolkit

#endif
