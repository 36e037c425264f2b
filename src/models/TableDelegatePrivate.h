#ifndef ORVAGUITOOLKIT_MODELS_TABLEDELEGATEPRIVATE_H
#define ORVAGUITOOLKIT_MODELS_TABLEDELEGATEPRIVATE_H

#include <OrvaGUIToolkit/ItemView/AbstractItemView.h>
#include <OrvaGUIToolkit/ItemView/TableDelegate.h>
#include <OrvaGUIToolkit/ProgressBar/ProgressBar.h>

#include "models/AbstractItemViewDelegatePrivate.h"

#include <QtCore/QPointer>

namespace OrvaGUIToolkit {

class CTableDelegatePrivate : public CAbstractItemViewDelegatePrivate
{
    Q_DECLARE_PUBLIC(CTableDelegate)

public:
    // The cell rectangle, cut at the right edge of the view's viewport.
    QRect CellRect(const QStyleOptionViewItem& option) const;
    void PaintProgress(QPainter* pPainter, const QStyleOptionViewItem& option, int iValue) const;
    void PaintImages(QPainter* pPainter, const QStyleOptionViewItem& option, const QModelIndex& miIndex) const;
    void PaintCover(QPainter* pPainter, const QStyleOptionViewItem& option, const QModelIndex& miIndex,
                    const QColor& color) const;

    int m_iPixmapSpace = 4;
    int m_iPixmapLeftMargin = 0;
    QPointer<CAbstractItemView> m_pView;
    // Hidden child of the view; only its style paints the progress cells.
    QPointer<CProgressBar> m_pProgressBar;
};

} // namespace OrvaGUIToolkit

#endif
