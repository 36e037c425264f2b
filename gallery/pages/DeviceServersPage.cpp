#include "DeviceServersPage.h"
#include "pages/PageKit.h"

#include "GalleryData.h"

#include <OrvaGUIToolkit/Button/PushButton.h>
#include <OrvaGUIToolkit/ItemView/CombinationModel.h>
#include <OrvaGUIToolkit/ItemView/TreeView.h>
#include <OrvaGUIToolkit/Label/Label.h>

#include <QtCore/QTimer>
#include <QtGui/QStandardItemModel>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QLabel>
#include <QtWidgets/QVBoxLayout>

using namespace OrvaGUIToolkit;

namespace {

const QStringList s_listSites{QStringLiteral("Main gate"), QStringLiteral("Parking deck"),
                              QStringLiteral("Warehouse"),  QStringLiteral("Lobby"),
                              QStringLiteral("Loading bay"), QStringLiteral("Perimeter east")};

QList<QStandardItem*> Row(const QString& strName, const QString& strAddress, const QString& strStatus)
{
    QList<QStandardItem*> listRow{new QStandardItem(strName), new QStandardItem(strAddress),
                                  new QStandardItem(strStatus)};
    for (QStandardItem* pItem : listRow)
        pItem->setEditable(false);
    return listRow;
}

} // namespace

DeviceServersPage::DeviceServersPage(QWidget* pParent)
    : QWidget(pParent)
{
    auto* pLayout = new QVBoxLayout(this);
    auto* pBox = new QGroupBox(tr("Device servers of the site"), this);
    auto* pBoxLayout = new QVBoxLayout(pBox);

    // The root belongs to the combination, so that it outlives the tree's data.
    m_pCombination = new CCombination_Model(this);
    auto* pRoot = new QStandardItemModel(0, 3, m_pCombination);
    pRoot->setHorizontalHeaderLabels({tr("Name"), tr("Address"), tr("Status")});
    pRoot->appendRow(Row(tr("All device servers"), QString(), QString()));
    m_pCombination->SetRootModel(pRoot);

    m_pTree = new CTreeView(pBox);
    m_pTree->setObjectName(QStringLiteral("GalleryDeviceServerTree"));
    m_pTree->setModel(m_pCombination);
    m_pTree->header()->resizeSection(0, 320);
    m_pTree->header()->resizeSection(1, 190);

    auto* pButtons = new QHBoxLayout;
    auto* pAdd = new CPushButton(tr("Add server"), pBox);
    auto* pOffline = new CPushButton(tr("Take server offline"), pBox);
    m_pSummary = CreateHint(QString(), pBox);
    pButtons->addWidget(pAdd);
    pButtons->addWidget(pOffline);
    pButtons->addSpacing(16);
    pButtons->addWidget(m_pSummary, 1);
    pBoxLayout->addLayout(pButtons);
    pBoxLayout->addWidget(m_pTree, 1);

    m_pLogLine = CreateLogLine(this);
    pLayout->addWidget(pBox, 1);
    pLayout->addWidget(m_pLogLine);

    for (int iChannels : {6, 4, 5})
        m_pCombination->AddModel(NewServer(++m_iServersMade, iChannels));
    // The root row reads the root's first cell in every column: one spanning cell shows it once.
    m_pTree->setFirstColumnSpanned(0, QModelIndex(), true);
    m_pTree->ExpandAll(m_pCombination->index(0, 0));
    connect(pAdd, &QPushButton::clicked, this, &DeviceServersPage::OnAddServer);
    connect(pOffline, &QPushButton::clicked, this, &DeviceServersPage::OnTakeServerOffline);
    m_pDiscovery = new QTimer(this);
    connect(m_pDiscovery, &QTimer::timeout, this, &DeviceServersPage::OnDiscoverChannel);
    m_pDiscovery->start(2500);
    UpdateSummary();
    Log(tr("Servers report new channels every few seconds; add a server or take the selected one offline."));
}

// One server model: the server's own row with its channels below it.
QStandardItemModel* DeviceServersPage::NewServer(int iNumber, int iChannels)
{
    auto* pServer = new QStandardItemModel(0, 3, this);
    const QString strSite = s_listSites.at((iNumber - 1) % s_listSites.size());
    const QList<QStandardItem*> listRow =
        Row(tr("NVR %1  %2").arg(iNumber, 2, 10, QLatin1Char('0')).arg(strSite),
            QStringLiteral("10.20.%1.10:8000").arg(iNumber), tr("Online"));
    pServer->appendRow(listRow);
    for (int i = 0; i < iChannels; ++i)
        AddChannel(pServer);
    return pServer;
}

void DeviceServersPage::AddChannel(QStandardItemModel* pServer)
{
    const QStringList listCameras = GalleryData::CameraNames();
    QStandardItem* pServerItem = pServer->item(0);
    const int iChannel = pServerItem->rowCount() + 1;
    const QString strAddress = pServer->item(0, 1)->text().section(QLatin1Char(':'), 0, 0);
    pServerItem->appendRow(Row(tr("D%1  %2").arg(iChannel).arg(listCameras.at(m_iChannelsMade++ % listCameras.size())),
                               QStringLiteral("rtsp://%1:554/ch%2").arg(strAddress).arg(iChannel),
                               tr("Recording")));
}

void DeviceServersPage::OnAddServer()
{
    QStandardItemModel* pServer = NewServer(++m_iServersMade, 3);
    m_pCombination->AddModel(pServer);
    m_pTree->ExpandAll(m_pCombination->MapFromSource(pServer->index(0, 0)));
    Log(tr("%1 came online with 3 channels.").arg(pServer->item(0)->text()));
    UpdateSummary();
}

// Deletes the selected server's model (or the last one); the combination
// drops its rows by itself when the model goes.
void DeviceServersPage::OnTakeServerOffline()
{
    QAbstractItemModel* pServer = m_pCombination->GetModelByProxyIndex(m_pTree->currentIndex());
    if (!pServer || pServer == m_pCombination->GetRootModel() || m_pTree->currentIndex() == m_pCombination->index(0, 0))
        pServer = m_pCombination->GetModel(m_pCombination->GetModelCount() - 1);
    if (!pServer) {
        Log(tr("No server is online."));
        return;
    }
    const QString strName = pServer->index(0, 0).data().toString();
    delete pServer;
    Log(tr("%1 went offline.").arg(strName));
    UpdateSummary();
}

void DeviceServersPage::OnDiscoverChannel()
{
    const int iServers = m_pCombination->GetModelCount();
    if (iServers == 0)
        return;
    auto* pServer = qobject_cast<QStandardItemModel*>(m_pCombination->GetModel(m_iChannelsMade % iServers));
    if (!pServer || pServer->item(0)->rowCount() >= 16)
        return;
    AddChannel(pServer);
    Log(tr("%1 found channel D%2.").arg(pServer->item(0)->text()).arg(pServer->item(0)->rowCount()));
    UpdateSummary();
}

void DeviceServersPage::UpdateSummary()
{
    int iChannels = 0;
    for (int i = 0; i < m_pCombination->GetModelCount(); ++i)
        iChannels += m_pCombination->GetModel(i)->rowCount(m_pCombination->GetModel(i)->index(0, 0));
    m_pSummary->setText(tr("%1 servers online, %2 channels").arg(m_pCombination->GetModelCount()).arg(iChannels));
}

void DeviceServersPage::Log(const QString& strText)
{
    m_pLogLine->setText(strText);
}
