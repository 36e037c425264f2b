#include <OrvaGUIToolkit/Foundation/TemporaryDataManager.h>

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

CTemporaryDataManager::CTemporaryDataManager()
    : m_strOrganization(QStringLiteral("_Orva_TemporaryData_"))
{
    // Whatever a previous run left behind (it may have crashed) is stale.
    Clear();
}

CTemporaryDataManager::~CTemporaryDataManager()
{
    Clear();
}

void CTemporaryDataManager::SetValue(const QString& strKey, const QVariant& value)
{
    CTemporarySettings(m_strOrganization).setValue(strKey, value);
}

QVariant CTemporaryDataManager::GetValue(const QString& strKey, const QVariant& defaultValue) const
{
    return CTemporarySettings(m_strOrganization).value(strKey, defaultValue);
}

void CTemporaryDataManager::RemoveKey(const QString& strKey)
{
    CTemporarySettings(m_strOrganization).remove(strKey);
}

void CTemporaryDataManager::Clear()
{
    CTemporarySettings(m_strOrganization).clear();
}

} // namespace OrvaGUIToolkit
