#include <OrvaGUIToolkit/ItemView/TableDelegate.h>

#include <OrvaGUIToolkit/Calendar/DateTimeEdit.h>
#include <OrvaGUIToolkit/Calendar/YearMonthDayEdit.h>
#include <OrvaGUIToolkit/ComboBox/ComboBox.h>
#include <OrvaGUIToolkit/Foundation/MultiPairData.h>
#include <OrvaGUIToolkit/LineEdit/LineEdit.h>
#include <OrvaGUIToolkit/LineEdit/RegExpValidator.h>

#include "models/TableDelegatePrivate.h"
#include "models/internal/ItemEventPosition.h"

#include <QtGui/QPainter>
#include <QtWidgets/QApplication>
#include <QtWidgets/QStyleOptionProgressBar>
#include <QtWidgets/QToolTip>

namespace OrvaGUIToolkit {

namespace {

const CItemDataRole s_arrImageRoles[] = {Pixmap1Role, Pixmap2Role, Pixmap3Role};

CItemDataRole ToolTipRoleOf(CItemDataRole enumImageRole)
{
    switch (enumImageRole) {
    case Pixmap1Role:
        return Pixmap1ToolTipRole;
    case Pixmap2Role:
        return Pixmap2ToolTipRole;
    case Pixmap3Role:
        return Pixmap3ToolTipRole;
    default:
        return NoItemRole;
    }
}

QStyle* StyleOf(const QWidget* pWidget)
{
    return pWidget ? pWidget->style() : QApplication::style();
}

// A combo box over the cell's items; the current item is the one the cell
// chose before, else the one showing the cell's text, else that text added
// as a new last item (and kept in the cell's items).
CComboBox* CreateComboEditor(QWidget* pParent, const QStyleOptionViewItem& option, const QModelIndex& miIndex)
{
    auto* pCombo = new CComboBox(pParent);
    const QVariant items = miIndex.data(ComboItemsRole);
    const bool bPairs = items.canConvert<QList<CMultiPairData>>() && !items.canConvert<QStringList>();
    if (bPairs)
        pCombo->AddItems(items.value<QList<CMultiPairData>>(), ComboItemDataRole);
    else
        pCombo->AddItems(items.toStringList());
    const QVariant current = miIndex.data(ComboCurrentIndexRole);
    const QString strText = miIndex.data(Qt::DisplayRole).toString();
    if (current.isValid()) {
        pCombo->setCurrentIndex(current.toInt());
    } else if (pCombo->findText(strText, Qt::MatchExactly | Qt::MatchCaseSensitive) >= 0) {
        pCombo->setCurrentIndex(pCombo->findText(strText, Qt::MatchExactly | Qt::MatchCaseSensitive));
    } else {
        pCombo->addItem(strText);
        QVariant extended;
        if (bPairs) {
            QList<CMultiPairData> listPairs = items.value<QList<CMultiPairData>>();
            CMultiPairData pair;
            pair.InsertPairData(0, strText);
            listPairs.append(pair);
            extended = QVariant::fromValue(listPairs);
        } else {
            extended = items.toStringList() << strText;
        }
        const_cast<QAbstractItemModel*>(miIndex.model())->setData(miIndex, extended, ComboItemsRole);
        pCombo->setCurrentIndex(pCombo->count() - 1);
    }
    pCombo->setFixedSize(option.rect.size());
    return pCombo;
}

CLineEdit* CreateLineEditor(QWidget* pParent, const QModelIndex& miIndex)
{
    auto* pEdit = new CLineEdit(miIndex.data(Qt::DisplayRole).toString(), pParent);
    const QVariant maxLength = miIndex.data(EditMaxLengthRole);
    const QVariant regExp = miIndex.data(EditRegExpRole);
    const int iMaxLength = maxLength.isValid() ? maxLength.toInt() : -1;
    if (regExp.isValid())
        pEdit->setValidator(new CRegExpValidator(iMaxLength, regExp.value<QRegExp>(), pEdit));
    else if (maxLength.isValid())
        pEdit->setValidator(new CRegExpValidator(iMaxLength, pEdit));
    return pEdit;
}

} // namespace

QRect CTableDelegatePrivate::CellRect(const QStyleOptionViewItem& option) const
{
    QRect rect = option.rect;
    if (m_pView && rect.right() > m_pView->viewport()->width() - 1)
        rect.setRight(m_pView->viewport()->width() - 1);
    return rect;
}

void CTableDelegatePrivate::PaintProgress(QPainter* pPainter, const QStyleOptionViewItem& option, int iValue) const
{
    QStyleOptionProgressBar progress;
    if (m_pProgressBar)
        progress.initFrom(m_pProgressBar);
    else
        progress.palette = option.palette;
    progress.state = option.state | QStyle::State_Horizontal;
    progress.direction = option.direction;
    progress.rect = option.rect.adjusted(2, 2, -2, -2);
    progress.minimum = 0;
    progress.maximum = 100;
    progress.progress = qBound(0, iValue, 100);
    progress.text = QString::number(progress.progress) + QLatin1Char('%');
    progress.textAlignment = Qt::AlignCenter;
    progress.textVisible = true;
    StyleOf(m_pProgressBar)->drawControl(QStyle::CE_ProgressBar, &progress, pPainter, m_pProgressBar);
}

void CTableDelegatePrivate::PaintImages(QPainter* pPainter, const QStyleOptionViewItem& option,
                                        const QModelIndex& miIndex) const
{
    Q_Q(const CTableDelegate);
    const Qt::Alignment enumAlignment = q->ItemPixmapAlignment(option, miIndex);
    for (CItemDataRole enumRole : s_arrImageRoles) {
        const QPixmap pixmap = miIndex.data(enumRole).value<QPixmap>();
        if (!pixmap.isNull())
            pPainter->drawPixmap(q->GetItemPixmapRect(enumRole, option, miIndex, enumAlignment), pixmap);
    }
    q->DrawMoreRightPixmap(pPainter, option, miIndex, enumAlignment);
}

void CTableDelegatePrivate::PaintCover(QPainter* pPainter, const QStyleOptionViewItem& option,
                                       const QModelIndex& miIndex, const QColor& color) const
{
    pPainter->fillRect(option.rect, color);
    const QRect rectText = option.rect.adjusted(4, 0, -4, 0);
    StyleOf(option.widget)->drawItemText(pPainter, rectText, int(option.displayAlignment | Qt::AlignVCenter),
                                         option.palette, option.state & QStyle::State_Enabled,
                                         miIndex.data(Qt::DisplayRole).toString(), QPalette::Text);
}

CTableDelegate::CTableDelegate(CAbstractItemView* pView)
    : CTableDelegate(*new CTableDelegatePrivate, pView)
{
}

CTableDelegate::CTableDelegate(CTableDelegatePrivate& dd, CAbstractItemView* pView)
    : CAbstractItemViewDelegate(dd, pView)
{
    Q_D(CTableDelegate);
    d->m_pView = pView;
    if (!pView)
        return;
    d->m_pProgressBar = new CProgressBar(pView);
    d->m_pProgressBar->hide();
    connect(this, &CTableDelegate::SignalComboBoxTextChanged, pView, &CAbstractItemView::SignalComboBoxTextChanged);
    connect(this, &CTableDelegate::SignalEditingFinished, pView, &CAbstractItemView::SignalEditingFinished);
}

CTableDelegate::~CTableDelegate() = default;

void CTableDelegate::SetPixmapSpace(int iSpace)
{
    d_func()->m_iPixmapSpace = iSpace;
}

void CTableDelegate::SetPixmapLeftMargin(int iMargin)
{
    d_func()->m_iPixmapLeftMargin = iMargin;
}

QWidget* CTableDelegate::createEditor(QWidget* pParent, const QStyleOptionViewItem& option,
                                      const QModelIndex& miIndex) const
{
    if (!miIndex.isValid())
        return nullptr;
    if (miIndex.data(ComboItemsRole).isValid()) {
        CComboBox* pCombo = CreateComboEditor(pParent, option, miIndex);
        // Choosing an item is the end of the edit: no second click needed.
        connect(pCombo, QOverload<int>::of(&QComboBox::activated), this, [this, pCombo]() {
            Q_EMIT const_cast<CTableDelegate*>(this)->commitData(pCombo);
        });
        return pCombo;
    }
    const QVariant dateTime = miIndex.data(DateTimeEditRole);
    if (dateTime.isValid())
        return new CDateTimeEdit(dateTime.toDateTime(), pParent);
    const QVariant date = miIndex.data(DateEditRole);
    if (date.isValid())
        return new CYearMonthDayEdit(date.toDate(), pParent);
    return CreateLineEditor(pParent, miIndex);
}

void CTableDelegate::setEditorData(QWidget* pEditor, const QModelIndex& miIndex) const
{
    if (qobject_cast<CComboBox*>(pEditor))
        return;
    if (auto* pDateTime = qobject_cast<CDateTimeEdit*>(pEditor)) {
        pDateTime->setDateTime(miIndex.data(DateTimeEditRole).toDateTime());
        return;
    }
    if (auto* pDate = qobject_cast<CYearMonthDayEdit*>(pEditor)) {
        pDate->setDate(miIndex.data(DateEditRole).toDate());
        return;
    }
    CAbstractItemViewDelegate::setEditorData(pEditor, miIndex);
}

void CTableDelegate::setModelData(QWidget* pEditor, QAbstractItemModel* pModel, const QModelIndex& miIndex) const
{
    if (!pEditor || !pModel || !miIndex.isValid())
        return;
    auto* pThis = const_cast<CTableDelegate*>(this);
    if (auto* pCombo = qobject_cast<CComboBox*>(pEditor)) {
        pModel->setData(miIndex, pCombo->currentIndex(), ComboCurrentIndexRole);
        const QVariant itemData = pCombo->currentData();
        if (itemData.isValid())
            pModel->setData(miIndex, itemData, ComboItemDataRole);
        pModel->setData(miIndex, pCombo->currentText(), Qt::EditRole);
        Q_EMIT pThis->SignalComboBoxTextChanged(miIndex);
        return;
    }
    if (auto* pDateTime = qobject_cast<CDateTimeEdit*>(pEditor)) {
        pModel->setData(miIndex, pDateTime->dateTime(), DateTimeEditRole);
        pModel->setData(miIndex, pDateTime->text(), Qt::EditRole);
        return;
    }
    if (auto* pDate = qobject_cast<CYearMonthDayEdit*>(pEditor)) {
        pModel->setData(miIndex, pDate->date(), DateEditRole);
        pModel->setData(miIndex, pDate->text(), Qt::EditRole);
        return;
    }
    if (auto* pEdit = qobject_cast<QLineEdit*>(pEditor)) {
        pModel->setData(miIndex, pEdit->text(), Qt::EditRole);
        Q_EMIT pThis->SignalEditingFinished(miIndex);
        return;
    }
    CAbstractItemViewDelegate::setModelData(pEditor, pModel, miIndex);
}

void CTableDelegate::updateEditorGeometry(QWidget* pEditor, const QStyleOptionViewItem& option,
                                          const QModelIndex& miIndex) const
{
    if (!pEditor)
        return;
    if (qobject_cast<CComboBox*>(pEditor)) {
        pEditor->setGeometry(option.rect);
        return;
    }
    if (qobject_cast<QLineEdit*>(pEditor) && (miIndex.flags() & Qt::ItemIsUserCheckable)) {
        const int iIndicator = StyleOf(option.widget)->pixelMetric(QStyle::PM_IndicatorWidth, &option, option.widget);
        pEditor->setGeometry(option.rect.adjusted(iIndicator + 4, 0, 0, 0));
        return;
    }
    CAbstractItemViewDelegate::updateEditorGeometry(pEditor, option, miIndex);
}

void CTableDelegate::paint(QPainter* pPainter, const QStyleOptionViewItem& option, const QModelIndex& miIndex) const
{
    Q_D(const CTableDelegate);
    if (!pPainter)
        return;
    const QVariant progress = miIndex.data(ProgressRole);
    if (progress.isValid()) {
        StyleOf(option.widget)->drawPrimitive(QStyle::PE_PanelItemViewItem, &option, pPainter, option.widget);
        d->PaintProgress(pPainter, option, progress.toInt());
    } else {
        CAbstractItemViewDelegate::paint(pPainter, option, miIndex);
    }
    const QStyle::StateFlag enumShowState = ItemPixmapShowStateFlag(miIndex);
    if (enumShowState == QStyle::State_None || (option.state & enumShowState))
        d->PaintImages(pPainter, option, miIndex);
    const QVariant cover = miIndex.data(CoverColorRole);
    if (cover.isValid())
        d->PaintCover(pPainter, option, miIndex, cover.value<QColor>());
}

bool CTableDelegate::helpEvent(QHelpEvent* pEvent, QAbstractItemView* pView, const QStyleOptionViewItem& optionItem,
                               const QModelIndex& miIndex)
{
    if (pEvent && pView && pEvent->type() == QEvent::ToolTip && miIndex.isValid()) {
        const CItemDataRole enumTipRole = ToolTipRoleOf(CheckMousePos(pEvent->pos(), optionItem, miIndex));
        const QString strTip = enumTipRole == NoItemRole ? QString() : miIndex.data(enumTipRole).toString();
        if (!strTip.isEmpty()) {
            const Qt::Alignment enumAlignment = ItemPixmapAlignment(optionItem, miIndex);
            QToolTip::showText(pEvent->globalPos(), strTip, pView,
                               GetItemPixmapRect(CheckMousePos(pEvent->pos(), optionItem, miIndex), optionItem,
                                                 miIndex, enumAlignment));
            return true;
        }
    }
    return CAbstractItemViewDelegate::helpEvent(pEvent, pView, optionItem, miIndex);
}

void CTableDelegate::OnHoverEvent(QHoverEvent* pHoverEvent, QAbstractItemView* pView,
                                  const QStyleOptionViewItem& optionItem, const QModelIndex& miIndex)
{
    if (!pHoverEvent || !pView)
        return;
    const bool bOverImage = pHoverEvent->type() == QEvent::HoverMove && miIndex.isValid()
        && CheckMousePos(EventLocalPos(pHoverEvent), optionItem, miIndex) != NoItemRole;
    pView->setCursor(bOverImage ? Qt::PointingHandCursor : Qt::ArrowCursor);
    if (miIndex.isValid())
        pView->update(miIndex);
}

CItemDataRole CTableDelegate::OnMouseEvent(QMouseEvent* pMouseEvent, QAbstractItemView* pView,
                                           const QStyleOptionViewItem& optionItem, const QModelIndex& miIndex)
{
    if (!pMouseEvent || !pView || !miIndex.isValid())
        return NoItemRole;
    return CheckMousePos(EventLocalPos(pMouseEvent), optionItem, miIndex);
}

void CTableDelegate::DrawMoreRightPixmap(QPainter* /*pPainter*/, const QStyleOptionViewItem& /*option*/,
                                         const QModelIndex& /*miIndex*/, Qt::Alignment /*enumAlignment*/) const
{
}

Qt::Alignment CTableDelegate::ItemPixmapAlignment(const QStyleOptionViewItem& /*option*/,
                                                  const QModelIndex& miIndex) const
{
    const QVariant alignment = miIndex.data(PixmapAlignmentRole);
    return alignment.isValid() ? Qt::Alignment(alignment.toInt()) : Qt::Alignment(Qt::AlignLeft);
}

QStyle::StateFlag CTableDelegate::ItemPixmapShowStateFlag(const QModelIndex& miIndex) const
{
    return QStyle::StateFlag(miIndex.data(PixmapShowStateRole).toInt());
}

CItemDataRole CTableDelegate::CheckMousePos(const QPoint& pos, const QStyleOptionViewItem& option,
                                            const QModelIndex& miIndex) const
{
    const Qt::Alignment enumAlignment = ItemPixmapAlignment(option, miIndex);
    for (CItemDataRole enumRole : s_arrImageRoles) {
        if (GetItemPixmapRect(enumRole, option, miIndex, enumAlignment).contains(pos))
            return enumRole;
    }
    return NoItemRole;
}

QRect CTableDelegate::GetItemPixmapRect(CItemDataRole enumRole, const QStyleOptionViewItem& option,
                                        const QModelIndex& miIndex, Qt::Alignment enumAlignment) const
{
    Q_D(const CTableDelegate);
    const QRect rectCell = d->CellRect(option);
    QList<QPair<CItemDataRole, QSize>> listImages;
    int iTotalWidth = 0;
    for (CItemDataRole enumImage : s_arrImageRoles) {
        const QPixmap pixmap = miIndex.data(enumImage).value<QPixmap>();
        if (pixmap.isNull())
            continue;
        listImages.append(qMakePair(enumImage, pixmap.size()));
        iTotalWidth += pixmap.width() + d->m_iPixmapSpace;
    }
    int iX = rectCell.left() + d->m_iPixmapLeftMargin;
    if (enumAlignment & Qt::AlignRight)
        iX = qMax(rectCell.left() + rectCell.width() - iTotalWidth - d->m_iPixmapLeftMargin,
                  rectCell.left() + d->m_iPixmapSpace);
    for (const auto& image : listImages) {
        if (image.first == enumRole)
            return QRect(QPoint(iX, rectCell.top() + (rectCell.height() - image.second.height()) / 2), image.second);
        iX += image.second.width() + d->m_iPixmapSpace;
    }
    return QRect();
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/ItemView/moc_TableDelegate.cpp"
