#include <OrvaGUIToolkit/ItemView/ImageItemViewDelegate.h>

#include "models/AbstractItemViewDelegatePrivate.h"

#include <QtGui/QLinearGradient>
#include <QtGui/QPainter>

namespace OrvaGUIToolkit {

class CImageItemViewDelegatePrivate : public CAbstractItemViewDelegatePrivate
{
public:
    int m_iWidth = 0;
    int m_iHeight = 0;
};

CImageItemViewDelegate::CImageItemViewDelegate(int iWidth, int iHeight, QObject* pParent)
    : CAbstractItemViewDelegate(*new CImageItemViewDelegatePrivate, pParent)
{
    Q_D(CImageItemViewDelegate);
    d->m_iWidth = qMax(0, iWidth);
    d->m_iHeight = qMax(0, iHeight);
}

CImageItemViewDelegate::~CImageItemViewDelegate() = default;

QSize CImageItemViewDelegate::sizeHint(const QStyleOptionViewItem& /*option*/, const QModelIndex& /*miIndex*/) const
{
    Q_D(const CImageItemViewDelegate);
    return QSize(d->m_iWidth, d->m_iHeight);
}

void CImageItemViewDelegate::paint(QPainter* pPainter, const QStyleOptionViewItem& option,
                                   const QModelIndex& miIndex) const
{
    Q_D(const CImageItemViewDelegate);
    if (!pPainter)
        return;
    const QPixmap pixmap = miIndex.data(ImageRole).value<QPixmap>();
    QRect rectImage(0, 0, d->m_iWidth, d->m_iHeight);
    rectImage.moveCenter(option.rect.center());
    if (!pixmap.isNull())
        pPainter->drawPixmap(rectImage, pixmap);
    if (!(option.state & QStyle::State_Selected))
        return;
    // A translucent blue veil marks the selected pictures without hiding them.
    QLinearGradient gradient(option.rect.topLeft(), option.rect.bottomLeft());
    gradient.setColorAt(0, QColor(105, 166, 217));
    gradient.setColorAt(1, QColor(20, 107, 212));
    pPainter->save();
    pPainter->setOpacity(0.6);
    pPainter->setPen(Qt::NoPen);
    pPainter->fillRect(option.rect, gradient);
    pPainter->restore();
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/ItemView/moc_ImageItemViewDelegate.cpp"
