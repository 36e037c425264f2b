#include <OrvaGUIToolkit/Foundation/Dir.h>

#include <QtCore/QDir>
#include <QtCore/QFile>

namespace OrvaGUIToolkit {

bool CDir::MkDir(const QString& strPath)
{
    const bool bCreated = QDir().mkdir(strPath);
    const QFile::Permissions everybody = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
        | QFile::ReadUser | QFile::WriteUser | QFile::ExeUser | QFile::ReadGroup | QFile::WriteGroup
        | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    QFile::setPermissions(strPath, QFile::permissions(strPath) | everybody);
    return bCreated;
}

bool CDir::MkPath(const QString& strPath)
{
    return QDir().mkpath(strPath);
}

} // namespace OrvaGUIToolkit
