// Cost of the camera tree with the volume of a large site, 1 000 devices of
// 100 channels under one "All cameras" node (101 001 nodes, two columns:
// name and address), against Qt's QStandardItemModel holding the same data:
//   build   making every node with its texts and unchecked check box and
//           handing the finished tree to the model;
//   walk    reading every node through index() and data() (both texts and
//           the check state), depth first;
//   check   checking the top node in a CTreeView, which pushes the state
//           down to every node while each node re-derives its parent, then
//           unchecking it again; anchor: the same two states set on every
//           item by a plain loop, with a plain QTreeView on the model so that
//           both models have a view to tell.
//
// Run: QT_QPA_PLATFORM=offscreen build/bench/bench/models/bench_models

#include <OrvaGUIToolkit/ItemView/TreeView.h>
#include <OrvaGUIToolkit/ItemView/TreeViewItem.h>
#include <OrvaGUIToolkit/ItemView/TreeViewModel.h>

#include <QtGui/QStandardItemModel>
#include <QtTest/QtTest>
#include <QtWidgets/QTreeView>

using namespace OrvaGUIToolkit;

namespace {

constexpr int s_iDevices = 1000;
constexpr int s_iChannels = 100;

QString DeviceName(int iDevice)
{
    return QStringLiteral("NVR %1").arg(iDevice + 1, 4, 10, QLatin1Char('0'));
}

QString DeviceAddress(int iDevice)
{
    return QStringLiteral("10.%1.%2.1").arg(iDevice / 250).arg(iDevice % 250);
}

QString ChannelName(int iChannel)
{
    return QStringLiteral("Channel %1").arg(iChannel + 1);
}

QString ChannelAddress(int iDevice, int iChannel)
{
    return DeviceAddress(iDevice) + QStringLiteral(":%1").arg(554 + iChannel);
}

CTreeViewItem* NewNode(const QString& strName, const QString& strAddress)
{
    auto* pNode = new CTreeViewItem;
    pNode->SetText(0, strName);
    pNode->SetText(1, strAddress);
    pNode->SetCheckBoxState(0, false);
    return pNode;
}

void BuildTree(CTreeViewModel& model)
{
    CTreeViewItem* pTop = NewNode(QStringLiteral("All cameras"), QString());
    QList<CTreeViewItem*> listDevices;
    for (int iDevice = 0; iDevice < s_iDevices; ++iDevice) {
        CTreeViewItem* pDevice = NewNode(DeviceName(iDevice), DeviceAddress(iDevice));
        QList<CTreeViewItem*> listChannels;
        for (int iChannel = 0; iChannel < s_iChannels; ++iChannel)
            listChannels << NewNode(ChannelName(iChannel), ChannelAddress(iDevice, iChannel));
        pDevice->InsertChilds(0, listChannels);
        listDevices << pDevice;
    }
    pTop->InsertChilds(0, listDevices);
    model.insertRow(pTop, 0);
}

QList<QStandardItem*> NewRow(const QString& strName, const QString& strAddress)
{
    auto* pName = new QStandardItem(strName);
    pName->setCheckable(true);
    pName->setCheckState(Qt::Unchecked);
    return {pName, new QStandardItem(strAddress)};
}

void BuildTree(QStandardItemModel& model)
{
    QList<QStandardItem*> listTop = NewRow(QStringLiteral("All cameras"), QString());
    for (int iDevice = 0; iDevice < s_iDevices; ++iDevice) {
        QList<QStandardItem*> listDevice = NewRow(DeviceName(iDevice), DeviceAddress(iDevice));
        for (int iChannel = 0; iChannel < s_iChannels; ++iChannel)
            listDevice.first()->appendRow(NewRow(ChannelName(iChannel), ChannelAddress(iDevice, iChannel)));
        listTop.first()->appendRow(listDevice);
    }
    model.appendRow(listTop);
}

void PrepareHeader(QAbstractItemModel& model)
{
    model.insertColumns(0, 2);
    model.setHeaderData(0, Qt::Horizontal, QStringLiteral("Name"));
    model.setHeaderData(1, Qt::Horizontal, QStringLiteral("Address"));
}

qint64 Walk(const QAbstractItemModel& model, const QModelIndex& miParent)
{
    qint64 iSum = 0;
    const int iRows = model.rowCount(miParent);
    for (int iRow = 0; iRow < iRows; ++iRow) {
        const QModelIndex miName = model.index(iRow, 0, miParent);
        iSum += miName.data(Qt::DisplayRole).toString().size();
        iSum += model.index(iRow, 1, miParent).data(Qt::DisplayRole).toString().size();
        iSum += miName.data(Qt::CheckStateRole).toInt();
        iSum += Walk(model, miName);
    }
    return iSum;
}

void SetAllChecks(QStandardItem* pItem, Qt::CheckState enumState)
{
    pItem->setCheckState(enumState);
    for (int iRow = 0; iRow < pItem->rowCount(); ++iRow)
        SetAllChecks(pItem->child(iRow), enumState);
}

} // namespace

class BenchModels : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void build();
    void buildAnchor();
    void walk();
    void walkAnchor();
    void check();
    void checkAnchor();
};

void BenchModels::build()
{
    QBENCHMARK {
        CTreeViewModel model;
        PrepareHeader(model);
        BuildTree(model);
    }
}

void BenchModels::buildAnchor()
{
    QBENCHMARK {
        QStandardItemModel model;
        PrepareHeader(model);
        BuildTree(model);
    }
}

void BenchModels::walk()
{
    CTreeViewModel model;
    PrepareHeader(model);
    BuildTree(model);
    qint64 iSum = 0;
    QBENCHMARK {
        iSum = Walk(model, QModelIndex());
    }
    QVERIFY(iSum > 0);
}

void BenchModels::walkAnchor()
{
    QStandardItemModel model;
    PrepareHeader(model);
    BuildTree(model);
    qint64 iSum = 0;
    QBENCHMARK {
        iSum = Walk(model, QModelIndex());
    }
    QVERIFY(iSum > 0);
}

void BenchModels::check()
{
    CTreeViewModel model;
    PrepareHeader(model);
    BuildTree(model);
    CTreeView view;
    view.setModel(&model);
    const QModelIndex miTop = model.index(0, 0);
    QBENCHMARK {
        model.setData(miTop, Qt::Checked, Qt::CheckStateRole);
        model.setData(miTop, Qt::Unchecked, Qt::CheckStateRole);
    }
    QCOMPARE(model.index(99, 0, model.index(999, 0, miTop)).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
}

void BenchModels::checkAnchor()
{
    QStandardItemModel model;
    PrepareHeader(model);
    BuildTree(model);
    QTreeView view;
    view.setModel(&model);
    QBENCHMARK {
        SetAllChecks(model.item(0), Qt::Checked);
        SetAllChecks(model.item(0), Qt::Unchecked);
    }
    QCOMPARE(model.item(0)->child(999)->child(99)->checkState(), Qt::Unchecked);
}

QTEST_MAIN(BenchModels)
#include "bench_models.moc"
