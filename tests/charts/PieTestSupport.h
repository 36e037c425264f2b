#ifndef ORVA_TESTS_CHARTS_PIETESTSUPPORT_H
#define ORVA_TESTS_CHARTS_PIETESTSUPPORT_H

#include <OrvaGUIToolkit/Chart/PieChartView.h>

#include <QtCore/QtMath>
#include <QtGui/QStandardItemModel>
#include <QtWidgets/QScrollBar>

// A view whose protected selection entry point the tests can call.
class TestPieView : public OrvaGUIToolkit::CPieChartView
{
public:
    using OrvaGUIToolkit::CPieChartView::CPieChartView;
    using OrvaGUIToolkit::CPieChartView::setSelection;
};

// One column "Alarms", one row per value, colours under Qt::UserRole + 1.
inline void FillPieModel(QStandardItemModel& model, const QList<QVariant>& listValues,
                         const QStringList& listColours)
{
    model.clear();
    model.setHorizontalHeaderLabels({QStringLiteral("Alarms")});
    for (int i = 0; i < listValues.size(); ++i) {
        auto* pItem = new QStandardItem;
        pItem->setData(listValues.at(i), Qt::DisplayRole);
        pItem->setData(listColours.value(i, QStringLiteral("#808080")), Qt::UserRole + 1);
        model.appendRow(pItem);
        model.setVerticalHeaderItem(i, new QStandardItem(QStringLiteral("Row %1").arg(i)));
    }
}

inline QList<QModelIndex> FirstColumn(const QStandardItemModel& model)
{
    QList<QModelIndex> listIndexes;
    for (int i = 0; i < model.rowCount(); ++i)
        listIndexes.append(model.index(i, 0));
    return listIndexes;
}

// Viewport point at dRadius pixels from the centre of the pie of a view whose
// widget is iHeight high, at dDegrees counter-clockwise from 3 o'clock.
inline QPoint PiePoint(int iHeight, double dDegrees, double dRadius)
{
    const double dRadians = qDegreesToRadians(dDegrees);
    return QPoint(qRound(iHeight / 2 + dRadius * qCos(dRadians)),
                  qRound(iHeight / 2 - dRadius * qSin(dRadians)));
}

#endif
