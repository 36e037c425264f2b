#include "TablesTreesPage.h"
#include "pages/PageKit.h"

#include "GalleryData.h"

#include <OrvaGUIToolkit/ItemView/StandardItemModel.h>
#include <OrvaGUIToolkit/ItemView/TableView.h>
#include <OrvaGUIToolkit/ItemView/TableWidget.h>
#include <OrvaGUIToolkit/ItemView/TreeView.h>
#include <OrvaGUIToolkit/ItemView/TreeViewItem.h>
#include <OrvaGUIToolkit/ItemView/TreeViewModel.h>
#include <OrvaGUIToolkit/Label/Label.h>

#include <QtGui/QPainter>
#include <QtGui/QPainterPath>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QVBoxLayout>

using namespace OrvaGUIToolkit;

namespace {

enum AlarmColumn { ColumnTime, ColumnCamera, ColumnAlarm, ColumnPlate, ColumnExport, ColumnActions };

const QColor s_colorIcon(0xc9, 0xd2, 0xdc);
const QColor s_colorDelete(0xe5, 0x73, 0x73);

// The three action buttons of an alarm row, drawn as small flat glyphs.
QPixmap ActionIcon(int iRole)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(iRole == Pixmap3Role ? s_colorDelete : s_colorIcon);
    QPainterPath path;
    if (iRole == Pixmap1Role) {
        path.moveTo(4, 2);
        path.lineTo(14, 8);
        path.lineTo(4, 14);
        path.closeSubpath();
    } else if (iRole == Pixmap2Role) {
        path.addRect(7, 1, 2, 7);
        path.moveTo(3.5, 7);
        path.lineTo(12.5, 7);
        path.lineTo(8, 12);
        path.closeSubpath();
        path.addRect(2, 13, 12, 2);
    } else {
        path.addRect(3, 3, 10, 2);
        path.addRect(6, 1, 4, 2);
        path.addRoundedRect(QRectF(4, 6, 8, 9), 1.5, 1.5);
    }
    painter.drawPath(path);
    return pixmap;
}

struct AreaData
{
    QString strArea;
    QStringList listRecorders;
};

QList<AreaData> Site()
{
    return {{QStringLiteral("Main Gate"), {QStringLiteral("NVR-01  10.1.0.11"), QStringLiteral("NVR-02  10.1.0.12")}},
            {QStringLiteral("Car Parks"), {QStringLiteral("NVR-03  10.1.1.11"), QStringLiteral("NVR-04  10.1.1.12")}},
            {QStringLiteral("Logistics"), {QStringLiteral("NVR-05  10.1.2.11")}},
            {QStringLiteral("Building A"), {QStringLiteral("NVR-06  10.1.3.11"), QStringLiteral("NVR-07  10.1.3.12")}}};
}

CTreeViewItem* NewNode(const QString& strText)
{
    auto* pNode = new CTreeViewItem;
    pNode->SetText(0, strText);
    pNode->SetToolTip(0, strText);
    pNode->SetCheckBoxState(0, false);
    return pNode;
}

int CountChecked(const QAbstractItemModel* pModel, const QModelIndex& miParent, int* pTotal)
{
    int iChecked = 0;
    for (int iRow = 0; iRow < pModel->rowCount(miParent); ++iRow) {
        const QModelIndex miChild = pModel->index(iRow, 0, miParent);
        if (pModel->rowCount(miChild) > 0) {
            iChecked += CountChecked(pModel, miChild, pTotal);
            continue;
        }
        ++*pTotal;
        iChecked += miChild.data(Qt::CheckStateRole).toInt() == Qt::Checked ? 1 : 0;
    }
    return iChecked;
}

} // namespace

TablesTreesPage::TablesTreesPage(QWidget* pParent)
    : QWidget(pParent)
{
    auto* pLayout = CreatePageLayout(this);
    m_pLogLine = CreateLogLine(this);

    auto* pRight = CreatePartsLayout<QVBoxLayout>();
    pRight->addWidget(CreateAlarmBox(), 3);
    pRight->addWidget(CreateSearchBox(), 2);
    auto* pColumns = CreatePartsLayout<QHBoxLayout>();
    pColumns->addWidget(CreateTreeBox());
    pColumns->addLayout(pRight, 1);
    pLayout->addLayout(pColumns, 1);
    pLayout->addWidget(m_pLogLine);
    Log(tr("Click an alarm's play, download or delete button; double-click a time, alarm or plate to edit it."));
}

QWidget* TablesTreesPage::CreateTreeBox()
{
    auto* pBox = new QGroupBox(tr("Camera tree"), this);
    pBox->setFixedWidth(290);
    auto* pLayout = new QVBoxLayout(pBox);
    m_pTreeModel = new CTreeViewModel(this);
    m_pTree = new CTreeView(pBox);
    m_pTree->setObjectName(QStringLiteral("GalleryCameraTree"));
    m_pTree->setModel(m_pTreeModel);
    FillTree();
    m_pTreeSummary = CreateHint(QString(), pBox);
    pLayout->addWidget(m_pTree, 1);
    pLayout->addWidget(m_pTreeSummary);
    connect(m_pTreeModel, &QAbstractItemModel::dataChanged, this, &TablesTreesPage::OnTreeChecksChanged);
    connect(m_pTree, &CAbstractItemView::SignalHeaderCheckStateChanged, this, [this](Qt::CheckState enumState) {
        Log(tr("Header check box: %1").arg(enumState == Qt::Checked          ? tr("all areas")
                                           : enumState == Qt::PartiallyChecked ? tr("some areas")
                                                                               : tr("no area")));
    });
    OnTreeChecksChanged();
    return pBox;
}

void TablesTreesPage::FillTree()
{
    const QStringList listCameras = GalleryData::CameraNames();
    m_pTreeModel->insertColumns(0, 1);
    m_pTreeModel->setHeaderData(0, Qt::Horizontal, tr("All cameras"));
    int iCamera = 0;
    const QList<AreaData> listSite = Site();
    for (const AreaData& area : listSite) {
        CTreeViewItem* pArea = NewNode(area.strArea);
        QList<CTreeViewItem*> listRecorders;
        for (const QString& strRecorder : area.listRecorders) {
            CTreeViewItem* pRecorder = NewNode(strRecorder);
            QList<CTreeViewItem*> listChannels;
            for (int iChannel = 0; iChannel < 4; ++iChannel)
                listChannels << NewNode(QStringLiteral("D%1  %2").arg(iChannel + 1).arg(
                    listCameras.at(iCamera++ % listCameras.size())));
            pRecorder->InsertChilds(0, listChannels);
            listRecorders << pRecorder;
        }
        pArea->InsertChilds(0, listRecorders);
        m_pTreeModel->insertRow(pArea, m_pTreeModel->rowCount());
    }
    // The header check box follows the areas; all four areas are all there is.
    m_pTreeModel->setHeaderData(0, Qt::Horizontal, int(Qt::Unchecked), Qt::CheckStateRole);
    m_pTreeModel->setHeaderData(0, Qt::Horizontal, true, HeaderCheckableRole);
    m_pTreeModel->setHeaderData(0, Qt::Horizontal, listSite.size(), Qt::UserRole + 1);
    // The gate is watched as a whole, one car park channel on its own.
    const QModelIndex miGate = m_pTreeModel->index(0, 0);
    m_pTreeModel->setData(miGate, int(Qt::Checked), Qt::CheckStateRole);
    const QModelIndex miParks = m_pTreeModel->index(1, 0);
    m_pTreeModel->setData(m_pTreeModel->index(2, 0, m_pTreeModel->index(0, 0, miParks)), int(Qt::Checked),
                          Qt::CheckStateRole);
    m_pTree->ExpandAll(miGate);
    m_pTree->ExpandAll(miParks);
}

QWidget* TablesTreesPage::CreateAlarmBox()
{
    m_pAlarms = new CTableWidget(this);
    m_pAlarms->setObjectName(QStringLiteral("GalleryAlarmTable"));
    m_pAlarms->setEditTriggers(QAbstractItemView::DoubleClicked);
    m_pAlarms->SetPixmapSpace(10);
    m_pAlarms->SetPixmapLeftMargin(8);
    FillAlarms();
    connect(m_pAlarms, QOverload<QModelIndex, CItemDataRole>::of(&CAbstractItemView::SignalClicked), this,
            &TablesTreesPage::OnAlarmClicked);
    connect(m_pAlarms, &CAbstractItemView::SignalComboBoxTextChanged, this, [this](const QModelIndex& miIndex) {
        Log(tr("Alarm %1 reclassified as \"%2\"").arg(miIndex.row() + 1).arg(miIndex.data().toString()));
    });
    connect(m_pAlarms, &CAbstractItemView::SignalEditingFinished, this, [this](const QModelIndex& miIndex) {
        Log(tr("Alarm %1: plate corrected to %2").arg(miIndex.row() + 1).arg(miIndex.data().toString()));
    });
    connect(m_pAlarms, &CAbstractItemView::SignalHeaderCheckStateChanged, this, [this](Qt::CheckState enumState) {
        Log(enumState == Qt::Checked ? tr("All alarms selected for acknowledgement")
                                     : tr("Alarm selection changed"));
    });
    return CreateSection(tr("Alarm center"), m_pAlarms, this);
}

void TablesTreesPage::FillAlarms()
{
    m_pAlarms->SetHeaderLabels({tr("  Time"), tr("Camera"), tr("Alarm"), tr("Plate"), tr("Export"), tr("Actions")});
    m_pAlarms->SetHeaderCheckState(ColumnTime, false);
    m_pAlarms->SetHeaderCheckable(ColumnTime, true);
    const QStringList listAlarms = {tr("Motion detection"), tr("Line crossing"), tr("Intrusion"),
                                    tr("Blacklisted plate")};
    const QList<GalleryData::VehicleRecord> listRecords = GalleryData::VehicleRecords(9);
    const int arrProgress[] = {100, 100, 72, 35, 8, 0, 100, 54, 0};
    for (int iRow = 0; iRow < listRecords.size(); ++iRow) {
        const GalleryData::VehicleRecord& record = listRecords.at(iRow);
        m_pAlarms->AddBottomLevelItem();
        m_pAlarms->SetText(iRow, ColumnTime, record.dtPassed.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
        m_pAlarms->SetUserDefineData(iRow, ColumnTime, record.dtPassed, DateTimeEditRole);
        m_pAlarms->SetCheckState(iRow, ColumnTime, iRow % 3 == 0);
        m_pAlarms->SetText(iRow, ColumnCamera, record.strCamera);
        const QString strAlarm = listAlarms.at((iRow * 7 + 1) % listAlarms.size());
        m_pAlarms->SetText(iRow, ColumnAlarm, strAlarm);
        m_pAlarms->SetUserDefineData(iRow, ColumnAlarm, listAlarms, ComboItemsRole);
        if (strAlarm == listAlarms.last())
            m_pAlarms->SetUserDefineData(iRow, ColumnAlarm, QColor(220, 82, 82, 70), CoverColorRole);
        m_pAlarms->SetText(iRow, ColumnPlate, record.strPlate);
        m_pAlarms->SetMaxLength(iRow, ColumnPlate, 10);
        m_pAlarms->SetUserDefineData(iRow, ColumnExport, arrProgress[iRow], ProgressRole);
        m_pAlarms->SetUserDefineData(iRow, ColumnActions, QString(), Qt::DisplayRole);
        const int arrRoles[] = {Pixmap1Role, Pixmap2Role, Pixmap3Role};
        const QStringList listTips = {tr("Play the clip"), tr("Download the clip"), tr("Delete the alarm")};
        for (int i = 0; i < 3; ++i) {
            m_pAlarms->SetUserDefineData(iRow, ColumnActions, ActionIcon(arrRoles[i]), arrRoles[i]);
            m_pAlarms->SetUserDefineData(iRow, ColumnActions, listTips.at(i), Pixmap1ToolTipRole + i);
        }
        for (int iColumn : {int(ColumnTime), int(ColumnAlarm), int(ColumnPlate)})
            m_pAlarms->SetFlags(iRow, iColumn, Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsUserCheckable
                                                   | Qt::ItemIsEditable);
    }
    m_pAlarms->setColumnWidth(ColumnTime, 172);
    m_pAlarms->setColumnWidth(ColumnCamera, 132);
    m_pAlarms->setColumnWidth(ColumnAlarm, 128);
    m_pAlarms->setColumnWidth(ColumnPlate, 84);
    m_pAlarms->setColumnWidth(ColumnExport, 74);
}

QWidget* TablesTreesPage::CreateSearchBox()
{
    auto* pBox = new QGroupBox(tr("Vehicle search"), this);
    auto* pLayout = new QVBoxLayout(pBox);
    auto* pRow = new QHBoxLayout;
    auto* pLabel = new QLabel(tr("Highlight:"), pBox);
    m_pSearch = new QLineEdit(pBox);
    m_pSearch->setPlaceholderText(tr("Plate or camera"));
    m_pSearch->setMaximumWidth(220);
    pRow->addWidget(pLabel);
    pRow->addWidget(m_pSearch);
    pRow->addStretch(1);
    m_pResults = new CStandardItemModel(this);
    FillSearchResults();
    auto* pView = new CTableView(pBox);
    pView->setObjectName(QStringLiteral("GallerySearchResults"));
    pView->setModel(m_pResults);
    pView->setColumnWidth(0, 110);
    pView->setColumnWidth(1, 170);
    pView->setColumnWidth(2, 80);
    pView->setColumnWidth(3, 100);
    pView->SetColumnResizeToContents(4);
    pLayout->addLayout(pRow);
    pLayout->addWidget(pView, 1);
    connect(m_pSearch, &QLineEdit::textChanged, this, &TablesTreesPage::OnSearchTextChanged);
    m_pSearch->setText(QStringLiteral("gate"));
    return pBox;
}

void TablesTreesPage::FillSearchResults()
{
    m_pResults->setHorizontalHeaderLabels({tr("Plate"), tr("Camera"), tr("Colour"), tr("Type"), tr("Passed")});
    const QList<GalleryData::VehicleRecord> listRecords = GalleryData::VehicleRecords(40);
    for (const GalleryData::VehicleRecord& record : listRecords) {
        m_pResults->appendRow({new QStandardItem(record.strPlate), new QStandardItem(record.strCamera),
                               new QStandardItem(record.strColor), new QStandardItem(record.strType),
                               new QStandardItem(record.dtPassed.toString(QStringLiteral("MM-dd HH:mm:ss")))});
    }
}

void TablesTreesPage::OnSearchTextChanged(const QString& strText)
{
    const QStringList listKeywords = strText.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    m_pResults->setHeaderData(0, Qt::Horizontal, listKeywords, HighlightKeywordsRole);
    Q_EMIT m_pResults->dataChanged(m_pResults->index(0, 0),
                                   m_pResults->index(m_pResults->rowCount() - 1, m_pResults->columnCount() - 1));
}

void TablesTreesPage::OnTreeChecksChanged()
{
    int iTotal = 0;
    const int iChecked = CountChecked(m_pTreeModel, QModelIndex(), &iTotal);
    m_pTreeSummary->setText(tr("%1 of %2 channels on the video wall").arg(iChecked).arg(iTotal));
}

void TablesTreesPage::OnAlarmClicked(const QModelIndex& miIndex, CItemDataRole enumRole)
{
    const QString strAlarm = tr("alarm %1 (%2, %3)")
                                 .arg(miIndex.row() + 1)
                                 .arg(m_pAlarms->GetText(miIndex.row(), ColumnCamera),
                                      m_pAlarms->GetText(miIndex.row(), ColumnTime));
    switch (enumRole) {
    case Pixmap1Role:
        Log(tr("Play %1").arg(strAlarm));
        break;
    case Pixmap2Role:
        Log(tr("Download the clip of %1").arg(strAlarm));
        break;
    case Pixmap3Role:
        Log(tr("Delete %1").arg(strAlarm));
        break;
    default:
        break;
    }
}

void TablesTreesPage::Log(const QString& strText)
{
    m_pLogLine->SetText(strText);
}
