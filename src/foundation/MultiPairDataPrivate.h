#ifndef ORVAGUITOOLKIT_FOUNDATION_MULTIPAIRDATAPRIVATE_H
#define ORVAGUITOOLKIT_FOUNDATION_MULTIPAIRDATAPRIVATE_H

#include <OrvaGUIToolkit/Foundation/MultiPairData.h>

#include <vector>

namespace OrvaGUIToolkit {

class CMultiPairDataPrivate
{
public:
    std::vector<CPairData>::iterator Find(const QVariant& first);
    std::vector<CPairData>::const_iterator Find(const QVariant& first) const;

    // In insertion order.
    std::vector<CPairData> m_vecPairData;
};

} // namespace OrvaGUIToolkit

#endif
