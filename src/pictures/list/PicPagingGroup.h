#ifndef ORVAGUITOOLKIT_PICTURES_LIST_PICPAGINGGROUP_H
#define ORVAGUITOOLKIT_PICTURES_LIST_PICPAGINGGROUP_H

#include <QtCore/QList>

namespace OrvaGUIToolkit {

// The pictures of one page as the last paging run dealt them out.
struct struPicPagingGroup
{
    unsigned uPage = 1;
    int iHSpacing = 0;
    int iVSpacing = 0;
    int iCount = 0;
    int iColumns = 0;
    int iRows = 0;
    QList<unsigned> listLsh;
};

} // namespace OrvaGUIToolkit

#endif
