#include <OrvaGUIToolkit/Foundation/TemporaryDataManager.h>

#include "foundation/TemporaryDataManagerPrivate.h"

#include <QtCore/QSettings>

namespace OrvaGUIToolkit {

namespace {

// A settings object for the organisation with an empty application name, in
// the native format of the user scope. It is opened for every operation and
// closed (written back) at once, so a crash loses nothing.
class CTemporarySettings : public QSettings
{
public:
    explicit CTemporarySettings(const QString& strOrganization)
        : QSettings(QSettings::NativeFormat, QSettings::UserScope, strOrganization, QString())
    {
    }
};

} // namespace

void CTemporaryDataManagerPrivate::Clear() const
{
    CTemporarySettings(m_strOrganization).clear();
}

CTemporaryDataManager::CTemporaryDataManager()
    : d_ptr(new CTemporaryDataManagerPrivate)
{
    Q_D(CTemporaryDataManager);
    // Whatever a previous run left behind (it may have crashed) is stale.
    d->Clear();
}

CTemporaryDataManager::~CTemporaryDataManager()
{
    Q_D(CTemporaryDataManager);
    d->Clear();
}

void CTemporaryDataManager::SetValue(const QString& strKey, const QVariant& value)
{
    Q_D(CTemporaryDataManager);
    CTemporarySettings(d->m_strOrganization).setValue(strKey, value);
}

QVariant CTemporaryDataManager::GetValue(const QString& strKey, const QVariant& defaultValue) const
{
    Q_D(const CTemporaryDataManager);
    return CTemporarySettings(d->m_strOrganization).value(strKey, defaultValue);
}

void CTemporaryDataManager::RemoveKey(const QString& strKey)
{
    Q_D(CTemporaryDataManager);
    CTemporarySettings(d->m_strOrganization).remove(strKey);
}

} // namespace OrvaGUIToolkit
