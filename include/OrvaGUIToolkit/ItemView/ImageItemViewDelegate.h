#ifndef ORVAGUITOOLKIT_ITEMVIEW_IMAGEITEMVIEWDELEGATE_H
#define ORVAGUITOOLKIT_ITEMVIEW_IMAGEITEMVIEWDELEGATE_H

#include <OrvaGUIToolkit/ItemView/AbstractItemViewDelegate.h>

namespace OrvaGUIToolkit {

class CImageItemViewDelegatePrivate;

// Draws each cell's ImageRole picture at one fixed size, centred, with a blue
// veil over selected cells: the thumbnails of captured pictures.
class ORVAGUITOOLKIT_EXPORT CImageItemViewDelegate : public CAbstractItemViewDelegate
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CImageItemViewDelegate)

public:
    CImageItemViewDelegate(int iWidth, int iHeight, QObject* pParent = nullptr);
    ~CImageItemViewDelegate() override;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& miIndex) const override;
    void paint(QPainter* pPainter, const QStyleOptionViewItem& option, const QModelIndex& miIndex) const override;
};

} // namespace OrvaGUIToolkit

#endif
