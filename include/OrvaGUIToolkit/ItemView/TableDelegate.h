#ifndef ORVAGUITOOLKIT_ITEMVIEW_TABLEDELEGATE_H
#define ORVAGUITOOLKIT_ITEMVIEW_TABLEDELEGATE_H

#include <OrvaGUIToolkit/ItemView/AbstractItemViewDelegate.h>

namespace OrvaGUIToolkit {

class CAbstractItemView;
class CTableDelegatePrivate;

// The delegate of the toolkit's tables: up to three small images per cell
// (Pixmap1Role..Pixmap3Role) with hit tests, tool tips and a pointing-hand
// cursor, a progress-bar cell (ProgressRole), a cover colour (CoverColorRole),
// and an editor chosen by the cell's roles: combo box (ComboItemsRole), date
// and time (CDateTimeEdit, DateTimeEditRole), date (CYearMonthDayEdit,
// DateEditRole), else a line edit limited
// by EditMaxLengthRole and EditRegExpRole.
class ORVAGUITOOLKIT_EXPORT CTableDelegate : public CAbstractItemViewDelegate
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CTableDelegate)

public:
    explicit CTableDelegate(CAbstractItemView* pView);
    ~CTableDelegate() override;

    void SetPixmapSpace(int iSpace);
    void SetPixmapLeftMargin(int iMargin);

    QWidget* createEditor(QWidget* pParent, const QStyleOptionViewItem& option,
                          const QModelIndex& miIndex) const override;
    void setEditorData(QWidget* pEditor, const QModelIndex& miIndex) const override;
    void setModelData(QWidget* pEditor, QAbstractItemModel* pModel, const QModelIndex& miIndex) const override;
    void updateEditorGeometry(QWidget* pEditor, const QStyleOptionViewItem& option,
                              const QModelIndex& miIndex) const override;
    void paint(QPainter* pPainter, const QStyleOptionViewItem& option, const QModelIndex& miIndex) const override;

    bool helpEvent(QHelpEvent* pEvent, QAbstractItemView* pView, const QStyleOptionViewItem& optionItem,
                   const QModelIndex& miIndex) override;
    void OnHoverEvent(QHoverEvent* pHoverEvent, QAbstractItemView* pView, const QStyleOptionViewItem& optionItem,
                      const QModelIndex& miIndex) override;
    OrvaGUIToolkit::CItemDataRole OnMouseEvent(QMouseEvent* pMouseEvent, QAbstractItemView* pView,
                                               const QStyleOptionViewItem& optionItem,
                                               const QModelIndex& miIndex) override;

    // Draws further images at the cell's right edge; nothing here.
    virtual void DrawMoreRightPixmap(QPainter* pPainter, const QStyleOptionViewItem& option,
                                     const QModelIndex& miIndex, Qt::Alignment enumAlignment) const;
    // The side of the cell images: PixmapAlignmentRole, else the left.
    virtual Qt::Alignment ItemPixmapAlignment(const QStyleOptionViewItem& option, const QModelIndex& miIndex) const;
    // The style state the images are shown in; 0 shows them always.
    virtual QStyle::StateFlag ItemPixmapShowStateFlag(const QModelIndex& miIndex) const;
    // The image role under pos, or NoItemRole.
    virtual CItemDataRole CheckMousePos(const QPoint& pos, const QStyleOptionViewItem& option,
                                        const QModelIndex& miIndex) const;
    // Where the image of enumRole lies in the cell; empty when it is absent.
    virtual QRect GetItemPixmapRect(CItemDataRole enumRole, const QStyleOptionViewItem& option,
                                    const QModelIndex& miIndex, Qt::Alignment enumAlignment) const;

Q_SIGNALS:
    void SignalComboBoxTextChanged(const QModelIndex& miIndex);
    void SignalEditingFinished(const QModelIndex& miIndex);

protected:
    CTableDelegate(CTableDelegatePrivate& dd, CAbstractItemView* pView);
};

} // namespace OrvaGUIToolkit

#endif
