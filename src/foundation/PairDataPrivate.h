#ifndef ORVAGUITOOLKIT_FOUNDATION_PAIRDATAPRIVATE_H
#define ORVAGUITOOLKIT_FOUNDATION_PAIRDATAPRIVATE_H

#include <OrvaGUIToolkit/Foundation/PairData.h>

namespace OrvaGUIToolkit {

class CPairDataPrivate
{
public:
    QVariant m_first;
    QVariant m_second;
};

} // namespace OrvaGUIToolkit

#endif
