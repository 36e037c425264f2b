#ifndef ORVAGUITOOLKIT_FOUNDATION_TEMPORARYDATAMANAGER_H
#define ORVAGUITOOLKIT_FOUNDATION_TEMPORARYDATAMANAGER_H

#include <OrvaGUIToolkit/Foundation/UiSingleton.h>

#include <QtCore/QString>
#include <QtCore/QVariant>

#include <memory>

namespace OrvaGUIToolkit {

class CTemporaryDataManagerPrivate;

// Key/value data shared by the controls and the client for one run of the
// program. The values are kept in the user's settings under the organisation
// "_Orva_TemporaryData_", so they survive a crash, and are wiped when the
// service is created at the next start and again when it is destroyed.
class ORVAGUITOOLKIT_EXPORT CTemporaryDataManager : public CUiSingleton<CTemporaryDataManager>
{
    Q_DECLARE_PRIVATE(CTemporaryDataManager)

public:
    ~CTemporaryDataManager() override;

    void SetValue(const QString& strKey, const QVariant& value);
    QVariant GetValue(const QString& strKey, const QVariant& defaultValue = QVariant()) const;
    void RemoveKey(const QString& strKey);

private:
    friend class CUiSingleton<CTemporaryDataManager>;
    CTemporaryDataManager();

    const std::unique_ptr<CTemporaryDataManagerPrivate> d_ptr;
};

extern template class CUiSingleton<CTemporaryDataManager>;

} // namespace OrvaGUIToolkit

#endif
