#ifndef ORVAGUITOOLKIT_CHART_PIECHARTVIEW_H
#define ORVAGUITOOLKIT_CHART_PIECHARTVIEW_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtCore/QList>
#include <QtCore/QModelIndex>
#include <QtWidgets/QAbstractItemView>

#include <memory>

namespace OrvaGUIToolkit {

class CPieChartViewPrivate;

// An item view that draws model indexes as the slices of a pie with a legend
// beside it. Each slice's value is the index's display data as a number, its
// colour the colour name under Qt::UserRole + 1; slices whose value is not
// positive are left out. The owner calls ReDrawChart() with the indexes to
// show, and again after changing the model. A right click offers to show or
// hide the value and percent labels of the slices.
class ORVAGUITOOLKIT_EXPORT CPieChartView : public QAbstractItemView
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CPieChartView)

public:
    explicit CPieChartView(QWidget* pParent = nullptr);
    ~CPieChartView() override;

    // Shows listIndexes as slices in that order. The legend labels are the
    // header texts of the indexes' columns, or of their rows when
    // bVerticalHeader is true.
    void ReDrawChart(const QList<QModelIndex>& listIndexes, bool bVerticalHeader);

    QModelIndex indexAt(const QPoint& ptPos) const override;
    QRect visualRect(const QModelIndex& miIndex) const override;
    void scrollTo(const QModelIndex& miIndex, ScrollHint enumHint = EnsureVisible) override;

protected:
    CPieChartView(CPieChartViewPrivate& dd, QWidget* pParent);

    QModelIndex moveCursor(CursorAction enumAction, Qt::KeyboardModifiers modifiers) override;
    int horizontalOffset() const override;
    int verticalOffset() const override;
    bool isIndexHidden(const QModelIndex& miIndex) const override;
    bool edit(const QModelIndex& miIndex, EditTrigger enumTrigger, QEvent* pEvent) override;
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection& selection) const override;
    void scrollContentsBy(int dx, int dy) override;
    void updateGeometries() override;

    void mousePressEvent(QMouseEvent* pEvent) override;
    void mouseMoveEvent(QMouseEvent* pEvent) override;
    void mouseReleaseEvent(QMouseEvent* pEvent) override;
    void paintEvent(QPaintEvent* pEvent) override;
    void resizeEvent(QResizeEvent* pEvent) override;

    const std::unique_ptr<CPieChartViewPrivate> d_ptr;

private:
    void SetShowValueAndPercent(bool bShowValue, bool bShowPercent);
    // Bounding rectangle of a slice in viewport coordinates; empty for an
    // index that is not a slice with a positive value.
    QRect itemRect(const QModelIndex& miIndex) const;
    // The slice's pie segment in content (unscrolled) coordinates.
    QRegion itemRegion(const QModelIndex& miIndex) const;
};

} // namespace OrvaGUIToolkit

#endif
