#ifndef ORVAGUITOOLKIT_ITEMVIEW_HEADERVIEW_H
#define ORVAGUITOOLKIT_ITEMVIEW_HEADERVIEW_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtWidgets/QHeaderView>
#include <QtWidgets/QStyleOptionViewItem>

#include <memory>

namespace OrvaGUIToolkit {

class CHeaderViewPrivate;

// A header whose section 0 can carry a check box for all rows. The state is
// the model's horizontal header data of section 0 under Qt::CheckStateRole; it
// follows the top-level rows (checked, unchecked or partly) and, when
// HeaderCheckableRole is true, a click on it checks or unchecks every row.
// Role Qt::UserRole + 1 of section 0 may hold the number of all selectable
// rows, so that a header over a partial model still shows "all checked".
class ORVAGUITOOLKIT_EXPORT CHeaderView : public QHeaderView
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CHeaderView)

public:
    explicit CHeaderView(Qt::Orientation enumOrientation, QWidget* pParent = nullptr);
    ~CHeaderView() override;

    void SetAutoChangeCheckbox(bool bAuto);
    bool IsAutoChangeCheckbox() const;
    void setModel(QAbstractItemModel* pModel) override;

public Q_SLOTS:
    void OnDataChanged(const QModelIndex& miIndex);
    // Re-derives the header check state from the top-level rows.
    void OnUpdateCheckState();

Q_SIGNALS:
    void SignalCheckStateChanged(Qt::CheckState enumCheckState);
    void SignalHeadClicked(Qt::CheckState enumCheckState);

protected:
    CHeaderView(CHeaderViewPrivate& dd, Qt::Orientation enumOrientation, QWidget* pParent);

    void paintSection(QPainter* pPainter, const QRect& rect, int iLogicalIndex) const override;
    QSize sectionSizeFromContents(int iLogicalIndex) const override;
    void mouseReleaseEvent(QMouseEvent* pEvent) override;
    bool viewportEvent(QEvent* pEvent) override;

    // Fills option from the header data of iSection: check state, text,
    // alignment and the section's rectangle in the viewport.
    void InitStyleOptionViewItemV4(QStyleOptionViewItem& option, int iSection) const;

    const std::unique_ptr<CHeaderViewPrivate> d_ptr;

private:
    void PaintSortSection(QPainter* pPainter, const QRect& rect, int iLogicalIndex) const;
    void PaintCheckSection(QPainter* pPainter, const QRect& rect, int iLogicalIndex) const;
    QRect CheckIndicatorRect(int iSection) const;
    void ApplyToRows(Qt::CheckState enumState);
};

} // namespace OrvaGUIToolkit

#endif
