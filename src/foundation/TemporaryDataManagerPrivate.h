#ifndef ORVAGUITOOLKIT_FOUNDATION_TEMPORARYDATAMANAGERPRIVATE_H
#define ORVAGUITOOLKIT_FOUNDATION_TEMPORARYDATAMANAGERPRIVATE_H

#include <OrvaGUIToolkit/Foundation/TemporaryDataManager.h>

namespace OrvaGUIToolkit {

class CTemporaryDataManagerPrivate
{
public:
    // Removes every key of the organisation.
    void Clear() const;

    const QString m_strOrganization = QStringLiteral("_Orva_TemporaryData_");
};

} // namespace OrvaGUIToolkit

#endif
