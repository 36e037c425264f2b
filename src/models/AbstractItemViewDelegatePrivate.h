#ifndef ORVAGUITOOLKIT_MODELS_ABSTRACTITEMVIEWDELEGATEPRIVATE_H
#define ORVAGUITOOLKIT_MODELS_ABSTRACTITEMVIEWDELEGATEPRIVATE_H

#include <OrvaGUIToolkit/ItemView/AbstractItemViewDelegate.h>

namespace OrvaGUIToolkit {

class CAbstractItemViewDelegatePrivate
{
    Q_DECLARE_PUBLIC(CAbstractItemViewDelegate)

public:
    virtual ~CAbstractItemViewDelegatePrivate();

    CAbstractItemViewDelegate* q_ptr = nullptr;
};

} // namespace OrvaGUIToolkit

#endif
