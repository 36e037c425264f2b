#ifndef ORVAGUITOOLKIT_PICTURES_PICDATAMODELPRIVATE_H
#define ORVAGUITOOLKIT_PICTURES_PICDATAMODELPRIVATE_H

#include <OrvaGUIToolkit/Picture/PicDataModel.h>

#include <QtCore/QHash>

namespace OrvaGUIToolkit {

class CPicDataModelPrivate
{
    Q_DECLARE_PUBLIC(CPicDataModel)

public:
    virtual ~CPicDataModelPrivate() = default;

    CPicDataModel* q_ptr = nullptr;
    QHash<unsigned, QVariant> m_hashItems;
    QList<unsigned> m_listOrder;
};

} // namespace OrvaGUIToolkit

#endif
