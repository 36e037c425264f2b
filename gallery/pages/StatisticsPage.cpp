#include "StatisticsPage.h"
#include "pages/PageKit.h"

#include "GalleryData.h"

#include <OrvaGUIToolkit/Chart/PieChartView.h>
#include <OrvaGUIToolkit/Label/Label.h>

#include <QtCore/QMap>
#include <QtCore/QTimer>
#include <QtGui/QMouseEvent>
#include <QtGui/QStandardItemModel>
#include <QtWidgets/QApplication>
#include <QtWidgets/QMenu>
#include <QtWidgets/QVBoxLayout>

using namespace OrvaGUIToolkit;

namespace {

// Role of a slice's colour name in the chart's model.
constexpr int ColorRole = Qt::UserRole + 1;

struct Share
{
    QString strName;
    int iCount;
    const char* szColor;
};

void FillModel(QStandardItemModel* pModel, const QString& strColumn, const QList<Share>& listShares)
{
    pModel->clear();
    pModel->setHorizontalHeaderLabels({strColumn});
    for (const Share& share : listShares) {
        auto* pItem = new QStandardItem;
        pItem->setData(share.iCount, Qt::DisplayRole);
        pItem->setData(QLatin1String(share.szColor), ColorRole);
        pModel->appendRow(pItem);
        pModel->setVerticalHeaderItem(pModel->rowCount() - 1, new QStandardItem(share.strName));
    }
}

QList<QModelIndex> Column(const QStandardItemModel* pModel)
{
    QList<QModelIndex> listIndexes;
    for (int iRow = 0; iRow < pModel->rowCount(); ++iRow)
        listIndexes.append(pModel->index(iRow, 0));
    return listIndexes;
}

// The labels of a pie are the user's choice from its context menu; for the
// first look the page makes that choice itself, as a user would.
void ChooseFromMenu(CPieChartView* pChart, int iAction)
{
    QTimer::singleShot(0, pChart, [iAction] {
        if (auto* pMenu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            pMenu->actions().at(iAction)->trigger();
            pMenu->close();
        }
    });
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(1, 1), QPointF(-400, -400), Qt::RightButton,
                      Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(pChart->viewport(), &press);
}

} // namespace

StatisticsPage::StatisticsPage(QWidget* pParent)
    : QWidget(pParent)
    , m_pAlarms(new QStandardItemModel(this))
    , m_pVehicles(new QStandardItemModel(this))
{
    auto* pLayout = CreateFlushLayout(this, 10);
    pLayout->addWidget(CreateChartBox(tr("Today's alarms by type"), m_pAlarms, m_pAlarmChart), 1);
    pLayout->addWidget(CreateChartBox(tr("Vehicles recognised today by colour"), m_pVehicles, m_pVehicleChart), 1);
    m_pPicked = new CLabel(tr("Click a slice to pick it, drag a band across slices to select several."), this);
    m_pPicked->setObjectName(QStringLiteral("GalleryHint"));
    pLayout->addWidget(m_pPicked);

    FillAlarms();
    FillVehicleColours();
    ChooseFromMenu(m_pAlarmChart, 0);
    ChooseFromMenu(m_pAlarmChart, 1);
}

QWidget* StatisticsPage::CreateChartBox(const QString& strTitle, QStandardItemModel* pModel,
                                        CPieChartView*& pChart)
{
    pChart = new CPieChartView(this);
    pChart->setObjectName(QStringLiteral("StatisticsPie"));
    pChart->setModel(pModel);
    pChart->setSelectionMode(QAbstractItemView::ExtendedSelection);
    pChart->setMinimumHeight(280);
    CPieChartView* pClicked = pChart;
    connect(pChart, &QAbstractItemView::clicked, this,
            [this, pClicked](const QModelIndex& miIndex) { ShowPicked(pClicked, miIndex); });
    return CreateSection(strTitle, pChart, this);
}

void StatisticsPage::FillAlarms()
{
    // The narrow slices sit on the right of the pie, apart from each other,
    // so that their leader lines and texts have room beside the legend.
    FillModel(m_pAlarms, tr("Alarms"),
              {{tr("Plate blacklist"), 12, "#b45ee0"},
               {tr("Motion detection"), 214, "#e8a23a"},
               {tr("Line crossing"), 96, "#3d9be0"},
               {tr("Video loss"), 5, "#8a95a3"},
               {tr("Intrusion"), 41, "#e0533f"},
               {tr("Tampering"), 3, "#3fbf86"}});
    m_pAlarmChart->ReDrawChart(Column(m_pAlarms), true);
}

void StatisticsPage::FillVehicleColours()
{
    static const QMap<QString, const char*> s_mapSwatches = {
        {QStringLiteral("White"), "#e9edf1"}, {QStringLiteral("Black"), "#15181c"},
        {QStringLiteral("Silver"), "#b3bcc6"}, {QStringLiteral("Blue"), "#3f73d8"},
        {QStringLiteral("Red"), "#d2463a"},   {QStringLiteral("Grey"), "#6f7884"}};
    QMap<QString, int> mapCounts;
    const QList<GalleryData::VehicleRecord> listRecords = GalleryData::VehicleRecords(1260);
    for (const GalleryData::VehicleRecord& record : listRecords)
        ++mapCounts[record.strColor];
    QList<Share> listShares;
    for (auto it = mapCounts.cbegin(); it != mapCounts.cend(); ++it)
        listShares.append({it.key(), it.value(), s_mapSwatches.value(it.key(), "#808080")});
    FillModel(m_pVehicles, tr("Vehicles"), listShares);
    m_pVehicleChart->ReDrawChart(Column(m_pVehicles), true);
}

void StatisticsPage::ShowPicked(CPieChartView* pChart, const QModelIndex& miIndex)
{
    const QString strName = miIndex.model()->headerData(miIndex.row(), Qt::Vertical).toString();
    const QString strTotal = pChart == m_pAlarmChart ? tr("%1: %2 alarms today") : tr("%1: %2 vehicles today");
    m_pPicked->SetText(strTotal.arg(strName).arg(miIndex.data().toInt()));
}
