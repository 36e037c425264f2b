#include <OrvaGUIToolkit/ItemView/HeaderView.h>

#include <OrvaGUIToolkit/ItemView/AbstractItemViewDelegate.h>
#include <OrvaGUIToolkit/ItemView/ItemDataRole.h>

#include "models/internal/ItemEventPosition.h"

#include <QtCore/QPointer>
#include <QtGui/QHelpEvent>
#include <QtGui/QPainter>
#include <QtWidgets/QStyleOptionHeader>

namespace OrvaGUIToolkit {

namespace {

// Role Qt::UserRole + 1 of section 0: the number of all selectable rows.
const int s_iSelectableCountRole = Qt::UserRole + 1;
// Room the sort arrow takes from a section's text.
const int s_iSortArrowRoom = 25;
// Room the check indicator takes in a section's size hint.
const int s_iCheckRoom = 18;

} // namespace

class CHeaderViewPrivate
{
    Q_DECLARE_PUBLIC(CHeaderView)

public:
    virtual ~CHeaderViewPrivate() = default;

    QVariant SectionData(int iSection, int iRole) const
    {
        const QAbstractItemModel* pModel = q_func()->model();
        return pModel ? pModel->headerData(iSection, q_func()->orientation(), iRole) : QVariant();
    }

    void ConnectModel(QAbstractItemModel* pModel)
    {
        Q_Q(CHeaderView);
        m_connDataChanged = QObject::connect(pModel, &QAbstractItemModel::dataChanged, q,
                                             [q](const QModelIndex& miIndex) { q->OnDataChanged(miIndex); });
        QObject::connect(pModel, &QAbstractItemModel::rowsRemoved, q, &CHeaderView::OnUpdateCheckState);
        QObject::connect(pModel, &QAbstractItemModel::rowsInserted, q, &CHeaderView::OnUpdateCheckState);
    }

    void DisconnectModel(QAbstractItemModel* pModel)
    {
        Q_Q(CHeaderView);
        QObject::disconnect(m_connDataChanged);
        QObject::disconnect(pModel, &QAbstractItemModel::rowsRemoved, q, &CHeaderView::OnUpdateCheckState);
        QObject::disconnect(pModel, &QAbstractItemModel::rowsInserted, q, &CHeaderView::OnUpdateCheckState);
    }

    CHeaderView* q_ptr = nullptr;
    bool m_bAutoChangeCheckbox = true;
    QMetaObject::Connection m_connDataChanged;
};

CHeaderView::CHeaderView(Qt::Orientation enumOrientation, QWidget* pParent)
    : CHeaderView(*new CHeaderViewPrivate, enumOrientation, pParent)
{
}

CHeaderView::CHeaderView(CHeaderViewPrivate& dd, Qt::Orientation enumOrientation, QWidget* pParent)
    : QHeaderView(enumOrientation, pParent)
    , d_ptr(&dd)
{
    d_ptr->q_ptr = this;
    // Queued connections and signal spies need the check state by name.
    qRegisterMetaType<Qt::CheckState>("Qt::CheckState");
    setItemDelegate(new CAbstractItemViewDelegate(this));
    setStretchLastSection(true);
    setSectionsClickable(true);
}

CHeaderView::~CHeaderView() = default;

void CHeaderView::SetAutoChangeCheckbox(bool bAuto)
{
    d_func()->m_bAutoChangeCheckbox = bAuto;
}

bool CHeaderView::IsAutoChangeCheckbox() const
{
    return d_func()->m_bAutoChangeCheckbox;
}

void CHeaderView::setModel(QAbstractItemModel* pModel)
{
    Q_D(CHeaderView);
    if (model())
        d->DisconnectModel(model());
    QHeaderView::setModel(pModel);
    if (!pModel)
        return;
    d->ConnectModel(pModel);
    for (int iSection = 0; iSection < count(); ++iSection) {
        const QVariant width = d->SectionData(iSection, HeaderSectionWidthRole);
        if (width.isValid())
            resizeSection(iSection, int(width.toUInt()));
    }
}

// Most changes come from models whose header has no check box; that is the
// cheaper question, so it comes first.
void CHeaderView::OnDataChanged(const QModelIndex& miIndex)
{
    if (d_func()->SectionData(0, Qt::CheckStateRole).isValid() && miIndex.data(Qt::CheckStateRole).isValid())
        OnUpdateCheckState();
}

void CHeaderView::OnUpdateCheckState()
{
    Q_D(CHeaderView);
    const QVariant current = d->SectionData(0, Qt::CheckStateRole);
    if (!current.isValid())
        return;
    QAbstractItemModel* pModel = model();
    bool bSomeUnchecked = false;
    int iChecked = 0;
    for (int iRow = 0; iRow < pModel->rowCount(rootIndex()); ++iRow) {
        if (pModel->index(iRow, 0, rootIndex()).data(Qt::CheckStateRole).toInt() == Qt::Checked)
            ++iChecked;
        else
            bSomeUnchecked = true;
    }
    Qt::CheckState enumResult = iChecked == 0 ? Qt::Unchecked : bSomeUnchecked ? Qt::PartiallyChecked : Qt::Checked;
    const QVariant selectable = d->SectionData(0, s_iSelectableCountRole);
    if (iChecked > 0 && selectable.isValid() && selectable.toInt() == iChecked)
        enumResult = Qt::Checked;
    if (current.toInt() == enumResult)
        return;
    const bool bWasBlocked = pModel->blockSignals(true);
    pModel->setHeaderData(0, orientation(), int(enumResult), Qt::CheckStateRole);
    pModel->blockSignals(bWasBlocked);
    viewport()->update();
    Q_EMIT SignalCheckStateChanged(enumResult);
}

void CHeaderView::InitStyleOptionViewItemV4(QStyleOptionViewItem& option, int iSection) const
{
    Q_D(const CHeaderView);
    option.initFrom(this);
    const QVariant checkState = d->SectionData(iSection, Qt::CheckStateRole);
    if (checkState.isValid()) {
        option.features |= QStyleOptionViewItem::HasCheckIndicator;
        option.checkState = Qt::CheckState(checkState.toInt());
    }
    const QVariant text = d->SectionData(iSection, Qt::DisplayRole);
    if (!text.isNull()) {
        option.features |= QStyleOptionViewItem::HasDisplay;
        option.text = text.toString();
    }
    const QVariant alignment = d->SectionData(iSection, Qt::TextAlignmentRole);
    option.displayAlignment = alignment.isValid() ? Qt::Alignment(alignment.toInt()) : defaultAlignment();
    if (orientation() == Qt::Horizontal)
        option.rect = QRect(sectionViewportPosition(iSection), 0, sectionSize(iSection), height());
    else
        option.rect = QRect(0, sectionViewportPosition(iSection), width(), sectionSize(iSection));
}

void CHeaderView::paintSection(QPainter* pPainter, const QRect& rect, int iLogicalIndex) const
{
    Q_D(const CHeaderView);
    if (d->SectionData(iLogicalIndex, Qt::CheckStateRole).isValid())
        PaintCheckSection(pPainter, rect, iLogicalIndex);
    else if (isSortIndicatorShown() && sortIndicatorSection() == iLogicalIndex)
        PaintSortSection(pPainter, rect, iLogicalIndex);
    else
        QHeaderView::paintSection(pPainter, rect, iLogicalIndex);
}

void CHeaderView::PaintSortSection(QPainter* pPainter, const QRect& rect, int iLogicalIndex) const
{
    Q_D(const CHeaderView);
    QStyleOptionHeader option;
    initStyleOption(&option);
    option.rect = rect;
    option.section = iLogicalIndex;
    // An ascending order shows the arrow pointing down, as the client's
    // lists always have.
    option.sortIndicator = sortIndicatorOrder() == Qt::AscendingOrder ? QStyleOptionHeader::SortDown
                                                                        : QStyleOptionHeader::SortUp;
    const QString strText = d->SectionData(iLogicalIndex, Qt::DisplayRole).toString();
    option.text = fontMetrics().elidedText(strText, Qt::ElideRight, rect.width() - s_iSortArrowRoom);
    const QVariant alignment = d->SectionData(iLogicalIndex, Qt::TextAlignmentRole);
    option.textAlignment = alignment.isValid() ? Qt::Alignment(alignment.toInt()) : defaultAlignment();
    pPainter->save();
    style()->drawControl(QStyle::CE_Header, &option, pPainter, this);
    pPainter->restore();
}

void CHeaderView::PaintCheckSection(QPainter* pPainter, const QRect& rect, int iLogicalIndex) const
{
    QStyleOptionHeader header;
    initStyleOption(&header);
    header.rect = rect;
    header.section = iLogicalIndex;
    pPainter->save();
    style()->drawControl(QStyle::CE_HeaderSection, &header, pPainter, this);

    QStyleOptionViewItem option;
    InitStyleOptionViewItemV4(option, iLogicalIndex);
    option.rect = rect;
    QStyleOptionViewItem check = option;
    check.rect = style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, this);
    check.state = check.state & ~QStyle::State_HasFocus;
    check.state |= option.checkState == Qt::Checked          ? QStyle::State_On
                   : option.checkState == Qt::PartiallyChecked ? QStyle::State_NoChange
                                                               : QStyle::State_Off;
    style()->drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &check, pPainter, this);
    const QRect rectText = style()->subElementRect(QStyle::SE_ItemViewItemText, &option, this);
    style()->drawItemText(pPainter, rectText, int(option.displayAlignment), option.palette, isEnabled(),
                          option.text, QPalette::ButtonText);
    pPainter->restore();
}

QSize CHeaderView::sectionSizeFromContents(int iLogicalIndex) const
{
    Q_D(const CHeaderView);
    QSize size = QHeaderView::sectionSizeFromContents(iLogicalIndex);
    const QVariant text = d->SectionData(iLogicalIndex, Qt::DisplayRole);
    if (text.isNull())
        return size;
    QStyleOptionHeader option;
    initStyleOption(&option);
    int iWidth = fontMetrics().horizontalAdvance(text.toString()) + 4
        + style()->pixelMetric(QStyle::PM_HeaderMargin, &option, this);
    if (d->SectionData(iLogicalIndex, Qt::CheckStateRole).isValid())
        iWidth += s_iCheckRoom;
    size.setWidth(qMax(size.width(), iWidth));
    return size;
}

QRect CHeaderView::CheckIndicatorRect(int iSection) const
{
    QStyleOptionViewItem option;
    InitStyleOptionViewItemV4(option, iSection);
    return style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, this);
}

void CHeaderView::mouseReleaseEvent(QMouseEvent* pEvent)
{
    Q_D(CHeaderView);
    const QPoint pos = EventLocalPos(pEvent);
    const int iSection = logicalIndexAt(pos);
    const QVariant current = d->SectionData(0, Qt::CheckStateRole);
    const bool bOnCheck = model() && sectionsClickable() && current.isValid()
        && d->SectionData(0, HeaderCheckableRole).toBool() && iSection >= 0
        && d->SectionData(iSection, Qt::CheckStateRole).isValid() && CheckIndicatorRect(iSection).contains(pos);
    if (!bOnCheck) {
        QHeaderView::mouseReleaseEvent(pEvent);
        return;
    }
    const Qt::CheckState enumNew = current.toInt() == Qt::Checked ? Qt::Unchecked : Qt::Checked;
    QPointer<CHeaderView> pGuard(this);
    Q_EMIT SignalHeadClicked(enumNew);
    if (pGuard && d->m_bAutoChangeCheckbox)
        ApplyToRows(enumNew);
}

// Every top-level row takes the header's new state; the header listens to
// none of those changes and derives its own state once at the end.
void CHeaderView::ApplyToRows(Qt::CheckState enumState)
{
    Q_D(CHeaderView);
    QPointer<QAbstractItemModel> pModel = model();
    if (!pModel)
        return;
    QObject::disconnect(d->m_connDataChanged);
    QPointer<CHeaderView> pGuard(this);
    for (int iRow = 0; pModel && iRow < pModel->rowCount(rootIndex()); ++iRow)
        pModel->setData(pModel->index(iRow, 0, rootIndex()), int(enumState), Qt::CheckStateRole);
    if (!pGuard || !pModel || pModel != model())
        return;
    d->m_connDataChanged = QObject::connect(pModel, &QAbstractItemModel::dataChanged, this,
                                            [this](const QModelIndex& miIndex) { OnDataChanged(miIndex); });
    OnUpdateCheckState();
}

bool CHeaderView::viewportEvent(QEvent* pEvent)
{
    Q_D(CHeaderView);
    const QEvent::Type enumType = pEvent->type();
    if (enumType != QEvent::ToolTip && enumType != QEvent::WhatsThis && enumType != QEvent::QueryWhatsThis)
        return QHeaderView::viewportEvent(pEvent);
    auto* pHelp = static_cast<QHelpEvent*>(pEvent);
    const int iSection = logicalIndexAt(pHelp->pos());
    if (iSection < 0)
        return QHeaderView::viewportEvent(pEvent);
    QStyleOptionViewItem option;
    InitStyleOptionViewItemV4(option, iSection);
    const QString strToolTip = d->SectionData(iSection, Qt::ToolTipRole).toString();
    if (!strToolTip.isEmpty())
        option.text = strToolTip;
    bool bHandled = false;
    QMetaObject::invokeMethod(itemDelegate(), "helpEvent", Qt::DirectConnection, Q_RETURN_ARG(bool, bHandled),
                              Q_ARG(QHelpEvent*, pHelp), Q_ARG(QAbstractItemView*, this),
                              Q_ARG(QStyleOptionViewItem, option), Q_ARG(QModelIndex, QModelIndex()));
    return bHandled;
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/ItemView/moc_HeaderView.cpp"
