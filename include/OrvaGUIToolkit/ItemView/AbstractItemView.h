#ifndef ORVAGUITOOLKIT_ITEMVIEW_ABSTRACTITEMVIEW_H
#define ORVAGUITOOLKIT_ITEMVIEW_ABSTRACTITEMVIEW_H

#include <OrvaGUIToolkit/ItemView/ItemDataRole.h>

#include <QtGui/QColor>
#include <QtWidgets/QTreeView>

#include <memory>

namespace OrvaGUIToolkit {

class CAbstractItemViewPrivate;

// The base of the toolkit's trees and tables: the toolkit's scroll bars, a
// CHeaderView with its check box, grid lines drawn by the delegate, one column
// fitted to its contents 50 ms after the last change, and clicks reported per
// cell and per image of a cell.
class ORVAGUITOOLKIT_EXPORT CAbstractItemView : public QTreeView
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CAbstractItemView)
    Q_PROPERTY(QColor m_colorGridLine READ GetGridLineColor WRITE SetGridLineColor)

public:
    explicit CAbstractItemView(QWidget* pParent = nullptr);
    ~CAbstractItemView() override;

    void ShowGridLine(bool bShow);
    bool IsGridLineShown() const;
    void SetGridLineColor(const QColor& color);
    QColor GetGridLineColor() const;

    // The column fitted to its contents after every change; -1 for none.
    void SetColumnResizeToContents(int iColumn);
    int GetColumnResizeToContents() const;

public Q_SLOTS:
    // (Re)starts the 50 ms wait before the column is fitted.
    void OnResizeColumnToContents();

Q_SIGNALS:
    void SignalHeaderCheckStateChanged(Qt::CheckState enumCheckState);
    void SignalEditingFinished(QModelIndex miIndex);
    void SignalComboBoxTextChanged(QModelIndex miIndex);
    void SignalClicked(QModelIndex miIndex, OrvaGUIToolkit::CItemDataRole enumTypeRole);
    void SignalClicked(QModelIndex miIndex);

protected:
    CAbstractItemView(CAbstractItemViewPrivate& dd, QWidget* pParent);

    void drawRow(QPainter* pPainter, const QStyleOptionViewItem& option, const QModelIndex& miIndex) const override;
    bool viewportEvent(QEvent* pEvent) override;
    void resizeEvent(QResizeEvent* pEvent) override;
    void dataChanged(const QModelIndex& miTopLeft, const QModelIndex& miBottomRight,
                     const QVector<int>& vecRoles = QVector<int>()) override;
    void rowsInserted(const QModelIndex& miParent, int iStart, int iEnd) override;
    void rowsAboutToBeRemoved(const QModelIndex& miParent, int iStart, int iEnd) override;
    void timerEvent(QTimerEvent* pEvent) override;

    // The option a delegate paints miIndex with.
    QStyleOptionViewItem ItemOption(const QModelIndex& miIndex) const;
    // The delegate that paints miIndex.
    QAbstractItemDelegate* DelegateOf(const QModelIndex& miIndex) const;

    const std::unique_ptr<CAbstractItemViewPrivate> d_ptr;

private:
    void CallMouseHandler(QMouseEvent* pEvent);
    void CallHoverHandler(QHoverEvent* pEvent);
};

} // namespace OrvaGUIToolkit

#endif
