#include <OrvaGUIToolkit/Chart/PieChartView.h>
#include <OrvaGUIToolkit/Menu/Menu.h>

#include "charts/PieLabelLayout.h"
#include "foundation/EventPosition.h"

#include <QtCore/QPersistentModelIndex>
#include <QtCore/QPointer>
#include <QtCore/QtMath>
#include <QtGui/QMouseEvent>
#include <QtGui/QPainter>
#include <QtGui/QPainterPath>
#include <QtWidgets/QRubberBand>
#include <QtWidgets/QScrollBar>

#include <cmath>
#include <limits>

namespace OrvaGUIToolkit {

namespace {

// Role under which the model keeps a slice's colour name, such as "#ff0000".
constexpr int ColorRole = Qt::UserRole + 1;

// One slice as drawn: its index, value and the angles it covers, in degrees.
struct PieSlice
{
    int iListPos;
    QModelIndex miIndex;
    double dValue;
    double dStart;
    double dSpan;
};

// A slice's value; anything that is not a positive finite number leaves the
// index out of the pie.
double SliceValue(const QModelIndex& miIndex)
{
    bool bOk = false;
    const double dValue = miIndex.data(Qt::DisplayRole).toDouble(&bOk);
    return bOk && std::isfinite(dValue) && dValue > 0.0 ? dValue : 0.0;
}

} // namespace

class CPieChartViewPrivate
{
    Q_DECLARE_PUBLIC(CPieChartView)

public:
    virtual ~CPieChartViewPrivate() = default;

    // The slices with a positive value, in list order, with their angles.
    QVector<PieSlice> Slices() const;
    // The slice of an index in the list; false when it has no positive value.
    bool FindSlice(const QModelIndex& miIndex, PieSlice& slice) const;
    void PaintSlice(QPainter& painter, const PieSlice& slice) const;
    void PaintSliceLabels(QPainter& painter, const PieSlice& slice) const;
    void PaintLegend(QPainter& painter, const QVector<PieSlice>& vecSlices) const;
    void ExecContextMenu(const QPoint& ptGlobal);
    // A hidden view gets no resize event, yet its sizes must follow the widget.
    void SyncSize() const;

    CPieChartView* q_ptr = nullptr;
    int m_iMargin = 10;
    mutable int m_iTotalSize = 0;
    mutable int m_iPieSize = 0;
    // Persistent so that a model reset or removed rows never leave a dangling
    // index behind: such slices simply drop out of the pie.
    QList<QPersistentModelIndex> m_listIndexes;
    QList<QString> m_listLabels;
    double m_dTotalValue = 0.0;
    // Values are divided by m_dScale before their share is taken, so that a
    // sum beyond the double range still gives finite angles.
    double m_dScale = 1.0;
    double m_dScaledTotal = 0.0;
    QPoint m_ptOrigin;
    QRubberBand* m_pRubberBand = nullptr;
    bool m_bShowValue = false;
    bool m_bShowPercent = false;
};

QVector<PieSlice> CPieChartViewPrivate::Slices() const
{
    QVector<PieSlice> vecSlices;
    if (m_dScaledTotal <= 0.0)
        return vecSlices;
    double dStart = 0.0;
    for (int i = 0; i < m_listIndexes.size(); ++i) {
        const QModelIndex miIndex = m_listIndexes.at(i);
        const double dValue = SliceValue(miIndex);
        if (dValue <= 0.0)
            continue;
        // The share first: 360 times a value near the double limit would overflow.
        const double dSpan = 360.0 * ((dValue / m_dScale) / m_dScaledTotal);
        vecSlices.append({i, miIndex, dValue, dStart, dSpan});
        dStart += dSpan;
    }
    return vecSlices;
}

bool CPieChartViewPrivate::FindSlice(const QModelIndex& miIndex, PieSlice& slice) const
{
    if (!miIndex.isValid())
        return false;
    const QVector<PieSlice> vecSlices = Slices();
    for (const PieSlice& candidate : vecSlices) {
        if (candidate.miIndex == miIndex) {
            slice = candidate;
            return true;
        }
    }
    return false;
}

void CPieChartViewPrivate::PaintSlice(QPainter& painter, const PieSlice& slice) const
{
    painter.setBrush(QColor(slice.miIndex.data(ColorRole).toString()));
    if (slice.dSpan >= 360.0) {
        painter.drawEllipse(0, 0, m_iPieSize, m_iPieSize);
        return;
    }
    painter.drawPie(0, 0, m_iPieSize, m_iPieSize, static_cast<int>(slice.dStart * 16.0),
                    static_cast<int>(slice.dSpan * 16.0));
}

void CPieChartViewPrivate::PaintSliceLabels(QPainter& painter, const PieSlice& slice) const
{
    if (!m_bShowValue && !m_bShowPercent)
        return;
    const CPieLabelLayout layout(m_iPieSize, slice.dStart, slice.dSpan);
    const QPolygon polyLeader = layout.LeaderLine(true);
    if (!polyLeader.isEmpty())
        painter.drawPolyline(polyLeader);
    const QFontMetrics metrics = painter.fontMetrics();
    int iLine = 0;
    if (m_bShowValue) {
        const QString strValue = CPieLabelLayout::ValueText(slice.dValue);
        painter.drawText(layout.TextPosition(metrics.horizontalAdvance(strValue), iLine++, metrics.height()),
                         strValue);
    }
    if (m_bShowPercent) {
        const QString strPercent = CPieLabelLayout::PercentText(slice.dSpan);
        painter.drawText(layout.TextPosition(metrics.horizontalAdvance(strPercent), iLine, metrics.height()),
                         strPercent);
    }
}

void CPieChartViewPrivate::PaintLegend(QPainter& painter, const QVector<PieSlice>& vecSlices) const
{
    const int iX = m_iMargin + 100 + m_iPieSize;
    int iY = m_iMargin + 20;
    for (const PieSlice& slice : vecSlices) {
        painter.setBrush(QColor(slice.miIndex.data(ColorRole).toString()));
        painter.drawRoundedRect(QRect(iX, iY, 20, 20), 5, 5);
        painter.drawText(iX + 30, iY + 13, m_listLabels.value(slice.iListPos) + QStringLiteral(" : "));
        painter.drawText(iX + 220, iY + 13, CPieLabelLayout::ValueText(slice.dValue));
        iY += 30;
    }
}

void CPieChartViewPrivate::ExecContextMenu(const QPoint& ptGlobal)
{
    Q_Q(CPieChartView);
    QPointer<CPieChartView> pGuard(q);
    // On the heap: deleting the view while the menu is open deletes the menu too.
    QPointer<CMenu> pMenu = new CMenu(q);
    QAction* pValue = pMenu->AddAction(m_bShowValue ? CPieChartView::tr("Hide Value")
                                                    : CPieChartView::tr("Show Value"));
    QAction* pPercent = pMenu->AddAction(m_bShowPercent ? CPieChartView::tr("Hide Percent")
                                                        : CPieChartView::tr("Show Percent"));
    QObject::connect(pValue, &QAction::triggered, q,
                     [this] { q_func()->SetShowValueAndPercent(!m_bShowValue, m_bShowPercent); });
    QObject::connect(pPercent, &QAction::triggered, q,
                     [this] { q_func()->SetShowValueAndPercent(m_bShowValue, !m_bShowPercent); });
    pMenu->exec(ptGlobal);
    if (pGuard)
        delete pMenu.data();
}

void CPieChartViewPrivate::SyncSize() const
{
    Q_Q(const CPieChartView);
    m_iTotalSize = q->height();
    m_iPieSize = qMax(0, m_iTotalSize - 2 * m_iMargin);
}

CPieChartView::CPieChartView(QWidget* pParent)
    : CPieChartView(*new CPieChartViewPrivate, pParent)
{
}

CPieChartView::CPieChartView(CPieChartViewPrivate& dd, QWidget* pParent)
    : QAbstractItemView(pParent)
    , d_ptr(&dd)
{
    Q_D(CPieChartView);
    d->q_ptr = this;
    d->SyncSize();
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

CPieChartView::~CPieChartView() = default;

void CPieChartView::ReDrawChart(const QList<QModelIndex>& listIndexes, bool bVerticalHeader)
{
    Q_D(CPieChartView);
    d->m_listIndexes.clear();
    d->m_listLabels.clear();
    d->m_dTotalValue = 0.0;
    double dLargest = 0.0;
    for (const QModelIndex& miIndex : listIndexes) {
        d->m_listIndexes.append(miIndex);
        const double dValue = SliceValue(miIndex);
        d->m_dTotalValue += dValue;
        dLargest = qMax(dLargest, dValue);
        const QAbstractItemModel* pModel = miIndex.model();
        QString strLabel;
        if (pModel) {
            strLabel = bVerticalHeader ? pModel->headerData(miIndex.row(), Qt::Vertical).toString()
                                       : pModel->headerData(miIndex.column(), Qt::Horizontal).toString();
        }
        d->m_listLabels.append(strLabel);
    }
    d->m_dScale = std::isfinite(d->m_dTotalValue) ? 1.0 : dLargest;
    d->m_dScaledTotal = 0.0;
    for (const QPersistentModelIndex& miIndex : qAsConst(d->m_listIndexes))
        d->m_dScaledTotal += SliceValue(miIndex) / d->m_dScale;
    viewport()->update();
}

void CPieChartView::SetShowValueAndPercent(bool bShowValue, bool bShowPercent)
{
    Q_D(CPieChartView);
    d->m_bShowValue = bShowValue;
    d->m_bShowPercent = bShowPercent;
    viewport()->update();
}

QModelIndex CPieChartView::indexAt(const QPoint& ptPos) const
{
    Q_D(const CPieChartView);
    d->SyncSize();
    if (d->m_listIndexes.isEmpty())
        return QModelIndex();
    const int iX = ptPos.x() + horizontalOffset();
    const int iY = ptPos.y() + verticalOffset();
    if (iX >= d->m_iTotalSize)
        return QModelIndex();
    const double dCx = iX - d->m_iTotalSize / 2;
    const double dCy = d->m_iTotalSize / 2 - iY;
    const double dDistance = std::sqrt(dCx * dCx + dCy * dCy);
    if (dDistance == 0.0 || dDistance > d->m_iPieSize / 2)
        return QModelIndex();
    double dAngle = qRadiansToDegrees(std::acos(dCx / dDistance));
    if (dCy < 0.0)
        dAngle = 360.0 - dAngle;
    const QVector<PieSlice> vecSlices = d->Slices();
    for (const PieSlice& slice : vecSlices) {
        if (slice.dStart <= dAngle && dAngle < slice.dStart + slice.dSpan)
            return slice.miIndex;
    }
    return QModelIndex();
}

QRect CPieChartView::visualRect(const QModelIndex& miIndex) const
{
    return itemRect(miIndex);
}

QRect CPieChartView::itemRect(const QModelIndex& miIndex) const
{
    return itemRegion(miIndex).boundingRect().translated(-horizontalOffset(), -verticalOffset());
}

QRegion CPieChartView::itemRegion(const QModelIndex& miIndex) const
{
    Q_D(const CPieChartView);
    d->SyncSize();
    PieSlice slice;
    if (!d->FindSlice(miIndex, slice) || d->m_iPieSize <= 0)
        return QRegion();
    const QRect rectPie(d->m_iMargin, d->m_iMargin, d->m_iPieSize, d->m_iPieSize);
    if (slice.dSpan >= 360.0)
        return QRegion(rectPie, QRegion::Ellipse);
    QPainterPath path(QRectF(rectPie).center());
    path.arcTo(rectPie, slice.dStart, slice.dSpan);
    path.closeSubpath();
    return QRegion(path.toFillPolygon().toPolygon());
}

void CPieChartView::scrollTo(const QModelIndex& miIndex, ScrollHint)
{
    const QRect rectArea = viewport()->rect();
    const QRect rect = visualRect(miIndex);
    if (rect.isEmpty())
        return;
    if (rect.left() < rectArea.left())
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() + rect.left() - rectArea.left());
    else if (rect.right() > rectArea.right())
        horizontalScrollBar()->setValue(horizontalScrollBar()->value()
                                        + qMin(rect.right() - rectArea.right(), rect.left() - rectArea.left()));
    if (rect.top() < rectArea.top())
        verticalScrollBar()->setValue(verticalScrollBar()->value() + rect.top() - rectArea.top());
    else if (rect.bottom() > rectArea.bottom())
        verticalScrollBar()->setValue(verticalScrollBar()->value()
                                      + qMin(rect.bottom() - rectArea.bottom(), rect.top() - rectArea.top()));
}

QModelIndex CPieChartView::moveCursor(CursorAction enumAction, Qt::KeyboardModifiers)
{
    Q_D(CPieChartView);
    // The keys walk along the slices in drawing order.
    const QVector<PieSlice> vecSlices = d->Slices();
    if (vecSlices.isEmpty())
        return QModelIndex();
    int iCurrent = -1;
    for (int i = 0; i < vecSlices.size(); ++i) {
        if (vecSlices.at(i).miIndex == currentIndex())
            iCurrent = i;
    }
    switch (enumAction) {
    case MoveHome:
    case MovePageUp:
        return vecSlices.first().miIndex;
    case MoveEnd:
    case MovePageDown:
        return vecSlices.last().miIndex;
    case MoveLeft:
    case MoveUp:
    case MovePrevious:
        return vecSlices.at(qMax(0, iCurrent - 1)).miIndex;
    default:
        return vecSlices.at(qMin(vecSlices.size() - 1, iCurrent + 1)).miIndex;
    }
}

int CPieChartView::horizontalOffset() const
{
    return horizontalScrollBar()->value();
}

int CPieChartView::verticalOffset() const
{
    return verticalScrollBar()->value();
}

bool CPieChartView::isIndexHidden(const QModelIndex&) const
{
    return false;
}

bool CPieChartView::edit(const QModelIndex&, EditTrigger, QEvent*)
{
    return false;
}

void CPieChartView::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command)
{
    if (!model() || !selectionModel())
        return;
    const QRect rectContent = rect.translated(horizontalOffset(), verticalOffset()).normalized();
    const int iRows = model()->rowCount(rootIndex());
    const int iColumns = model()->columnCount(rootIndex());
    int iFirstRow = std::numeric_limits<int>::max();
    int iLastRow = -1;
    int iFirstColumn = std::numeric_limits<int>::max();
    int iLastColumn = -1;
    for (int iRow = 0; iRow < iRows; ++iRow) {
        for (int iColumn = 0; iColumn < iColumns; ++iColumn) {
            const QModelIndex miIndex = model()->index(iRow, iColumn, rootIndex());
            if (!itemRegion(miIndex).intersects(rectContent))
                continue;
            iFirstRow = qMin(iFirstRow, iRow);
            iLastRow = qMax(iLastRow, iRow);
            iFirstColumn = qMin(iFirstColumn, iColumn);
            iLastColumn = qMax(iLastColumn, iColumn);
        }
    }
    if (iLastRow < 0) {
        selectionModel()->select(QItemSelection(), command);
        return;
    }
    const QItemSelection selection(model()->index(iFirstRow, iFirstColumn, rootIndex()),
                                   model()->index(iLastRow, iLastColumn, rootIndex()));
    selectionModel()->select(selection, command);
}

QRegion CPieChartView::visualRegionForSelection(const QItemSelection& selection) const
{
    QRegion region;
    for (const QItemSelectionRange& range : selection) {
        for (int iRow = range.top(); iRow <= range.bottom(); ++iRow) {
            for (int iColumn = range.left(); iColumn <= range.right(); ++iColumn) {
                const QModelIndex miIndex = model()->index(iRow, iColumn, range.parent());
                region += itemRegion(miIndex).translated(-horizontalOffset(), -verticalOffset());
            }
        }
    }
    return region;
}

void CPieChartView::scrollContentsBy(int dx, int dy)
{
    viewport()->scroll(dx, dy);
}

void CPieChartView::updateGeometries()
{
    Q_D(CPieChartView);
    d->SyncSize();
    const QSize sizeViewport = viewport()->size();
    horizontalScrollBar()->setPageStep(sizeViewport.width());
    horizontalScrollBar()->setRange(0, qMax(0, 2 * d->m_iTotalSize - sizeViewport.width()));
    verticalScrollBar()->setPageStep(sizeViewport.height());
    verticalScrollBar()->setRange(0, qMax(0, d->m_iTotalSize - sizeViewport.height()));
}

void CPieChartView::mousePressEvent(QMouseEvent* pEvent)
{
    Q_D(CPieChartView);
    QAbstractItemView::mousePressEvent(pEvent);
    d->m_ptOrigin = pEvent->pos();
    if (!d->m_pRubberBand)
        d->m_pRubberBand = new QRubberBand(QRubberBand::Rectangle, viewport());
    d->m_pRubberBand->setGeometry(QRect(d->m_ptOrigin, QSize()));
    d->m_pRubberBand->show();
    if (pEvent->button() != Qt::RightButton)
        return;
    // The release goes to the menu, so the band would stay up without this.
    d->m_pRubberBand->hide();
    d->ExecContextMenu(EventGlobalPos(pEvent));
}

void CPieChartView::mouseMoveEvent(QMouseEvent* pEvent)
{
    Q_D(CPieChartView);
    if (d->m_pRubberBand)
        d->m_pRubberBand->setGeometry(QRect(d->m_ptOrigin, pEvent->pos()).normalized());
    QAbstractItemView::mouseMoveEvent(pEvent);
}

void CPieChartView::mouseReleaseEvent(QMouseEvent* pEvent)
{
    Q_D(CPieChartView);
    QAbstractItemView::mouseReleaseEvent(pEvent);
    if (d->m_pRubberBand)
        d->m_pRubberBand->hide();
    viewport()->update();
}

void CPieChartView::paintEvent(QPaintEvent*)
{
    Q_D(CPieChartView);
    if (d->m_listIndexes.isEmpty())
        return;
    d->SyncSize();
    QPainter painter(viewport());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.translate(d->m_iMargin - horizontalOffset(), d->m_iMargin - verticalOffset());
    painter.drawEllipse(0, 0, d->m_iPieSize, d->m_iPieSize);
    const QVector<PieSlice> vecSlices = d->Slices();
    for (const PieSlice& slice : vecSlices)
        d->PaintSlice(painter, slice);
    // Labels after all slices, so that no later slice covers a text or leader line.
    for (const PieSlice& slice : vecSlices)
        d->PaintSliceLabels(painter, slice);
    painter.resetTransform();
    painter.translate(-horizontalOffset(), -verticalOffset());
    d->PaintLegend(painter, vecSlices);
}

void CPieChartView::resizeEvent(QResizeEvent* pEvent)
{
    QAbstractItemView::resizeEvent(pEvent);
    updateGeometries();
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/Chart/moc_PieChartView.cpp"
