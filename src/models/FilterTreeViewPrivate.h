#ifndef ORVAGUITOOLKIT_MODELS_FILTERTREEVIEWPRIVATE_H
#define ORVAGUITOOLKIT_MODELS_FILTERTREEVIEWPRIVATE_H

#include "AbstractItemViewPrivate.h"

#include <OrvaGUIToolkit/ItemView/FilterTreeView.h>
#include <OrvaGUIToolkit/ItemView/SortFilterProxyModel.h>
#include <OrvaGUIToolkit/ItemView/TreeViewModel.h>

#include <QtCore/QPointer>
#include <QtCore/QRect>
#include <QtCore/QSemaphore>

#include <memory>

namespace OrvaGUIToolkit {

class CFilterTreeViewPrivate : public CAbstractItemViewPrivate
{
public:
    QString m_strCustomFilter;
    bool m_bFiltered = false;
    QPointer<CTreeViewModel> m_pSourceModel;
    CSortFilterProxyModel* m_pPageModel = nullptr;
    CSortFilterProxyModel* m_pNoPageModel = nullptr;
    QRect m_rcLastGeometry;
    int m_iPageCount = 0;
    int m_iItemsPerPageUsed = 0;
    int m_iCurrentPage = 1;
    int m_iRowHeight = 1;
    int m_iHeaderHeight = 1;
    int m_iItemsPerPage = 1;
    bool m_bAutoItemsPerPage = true;
    bool m_bOpenMouseState = false;
    // The first resize after a model is set only records the geometry.
    bool m_bGeometryRecorded = false;
    // Released by the worker when it is done; the destructor waits on it so
    // that a worker never outlives the models it works on.
    std::shared_ptr<QSemaphore> m_pWorkerDone;
    // A resize that arrived while a worker ran (the wait dialog's own
    // appearance can cause one); it is redone once the worker is done.
    bool m_bResizePending = false;

    // Two workers must never share the models: a request made while one runs
    // (from a timer or a slot, the wait dialog blocks the user) is refused.
    bool RefuseWhileBusy(const char* pszFunction) const;
};

} // namespace OrvaGUIToolkit

#endif
