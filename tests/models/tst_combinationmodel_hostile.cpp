#include <OrvaGUIToolkit/ItemView/CheckableModel.h>
#include <OrvaGUIToolkit/ItemView/CombinationModel.h>

#include <QtCore/QPointer>
#include <QtCore/QRegularExpression>
#include <QtGui/QStandardItemModel>
#include <QtTest/QAbstractItemModelTester>
#include <QtTest/QtTest>
#include <QtWidgets/QTreeView>

#include <climits>
#include <memory>

using namespace OrvaGUIToolkit;

class TestCombinationModelHostile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void indexExtremes_data();
    void indexExtremes();
    void foreignIndexes();
    void columnCountExtremes_data();
    void columnCountExtremes();
    void hugeTexts();
    void sourceDeletedDuringWalk();
    void deletingSlots_data();
    void deletingSlots();
};

namespace {

QStandardItemModel* NewServer(int iCameras, QObject* pParent = nullptr)
{
    auto* pModel = new QStandardItemModel(0, 2, pParent);
    for (int i = 0; i < iCameras; ++i) {
        auto* pCamera = new QStandardItem(QStringLiteral("Cam %1").arg(i));
        pCamera->appendRow({new QStandardItem(QStringLiteral("main")), new QStandardItem(QStringLiteral("rtsp"))});
        pModel->appendRow({pCamera, new QStandardItem(QStringLiteral("10.0.0.%1").arg(i))});
    }
    return pModel;
}

} // namespace

void TestCombinationModelHostile::indexExtremes_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::newRow("INT_MIN") << INT_MIN << INT_MIN;
    QTest::newRow("INT_MAX") << INT_MAX << INT_MAX;
    QTest::newRow("-1") << -1 << -1;
    QTest::newRow("row past end") << 5 << 0;
    QTest::newRow("column past end") << 0 << 2;
    QTest::newRow("column INT_MAX") << 0 << INT_MAX;
}

void TestCombinationModelHostile::indexExtremes()
{
    QFETCH(int, row);
    QFETCH(int, column);
    std::unique_ptr<QStandardItemModel> pServer(NewServer(3));
    CCombination_Model model;
    model.SetColumnCount(2);
    model.AddModel(pServer.get());
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    QVERIFY(!model.index(row, column).isValid());
    QVERIFY(!model.index(row, column, model.index(1, 0)).isValid());
    QCOMPARE(model.rowCount(model.index(row, column)), 3);
    QVERIFY(!model.setData(model.index(row, column), 1));
    QVERIFY(!model.GetModelByProxyIndex(model.index(row, column)));
}

void TestCombinationModelHostile::foreignIndexes()
{
    std::unique_ptr<QStandardItemModel> pServer(NewServer(3));
    std::unique_ptr<QStandardItemModel> pStranger(NewServer(2));
    CCombination_Model model;
    model.SetColumnCount(2);
    model.AddModel(pServer.get());
    const QModelIndex miForeign = pStranger->index(1, 0);
    QVERIFY(!model.MapFromSource(miForeign).isValid());
    QVERIFY(!model.parent(miForeign).isValid());
    QCOMPARE(model.rowCount(miForeign), 0);
    QVERIFY(!model.hasChildren(miForeign));
    QVERIFY(!model.data(miForeign).isValid());
    QCOMPARE(model.GetModelByProxyIndex(miForeign), nullptr);
    QVERIFY(!model.index(0, 0, miForeign).isValid());
    QTest::ignoreMessage(QtWarningMsg, "CCombinationModel: index from wrong model passed to ProxyToSource");
    QVERIFY(!model.setData(miForeign, 1));
}

void TestCombinationModelHostile::columnCountExtremes_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("expected");
    QTest::addColumn<bool>("refused");
    QTest::newRow("INT_MIN") << INT_MIN << 1 << true;
    QTest::newRow("INT_MAX") << INT_MAX << 1 << true;
    QTest::newRow("zero") << 0 << 0 << false;
    QTest::newRow("three") << 3 << 3 << false;
}

void TestCombinationModelHostile::columnCountExtremes()
{
    QFETCH(int, count);
    QFETCH(int, expected);
    QFETCH(bool, refused);
    CCombination_Model model;
    model.SetColumnCount(1);
    if (refused)
        QTest::ignoreMessage(QtWarningMsg, "CCombination_Model::SetColumnCount: iCount out of range");
    model.SetColumnCount(count);
    QCOMPARE(model.columnCount(), expected);
    QTest::ignoreMessage(QtWarningMsg, "CCombination_Model::insertColumns: count out of range");
    QVERIFY(!model.insertColumns(0, INT_MAX));
}

void TestCombinationModelHostile::hugeTexts()
{
    std::unique_ptr<QStandardItemModel> pServer(NewServer(1));
    CCombination_Model model;
    model.SetColumnCount(2);
    model.AddModel(pServer.get());
    const QString strHuge(1 << 20, QLatin1Char('x'));
    QVERIFY(model.setData(model.index(0, 0), strHuge));
    model.setHeaderData(0, Qt::Horizontal, QStringList{strHuge, QStringLiteral("X")}, 183);
    QCOMPARE(model.index(0, 0).data(Qt::ForegroundRole).value<QColor>(), QColor(220, 82, 82));
    QCOMPARE(model.index(0, 0).data().toString().size(), 1 << 20);
}

// A view walks the tree while a source disappears in the middle of it.
void TestCombinationModelHostile::sourceDeletedDuringWalk()
{
    CCombination_Model model;
    model.SetColumnCount(2);
    QPointer<QStandardItemModel> pFirst(NewServer(3));
    std::unique_ptr<QStandardItemModel> pSecond(NewServer(2));
    model.AddModel(pFirst);
    model.AddModel(pSecond.get());
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    QTreeView view;
    view.setModel(&model);
    view.expandAll();
    int iVisited = 0;
    QTest::ignoreMessage(QtWarningMsg, "---CCombination_ModelPrivate::OnSourceModelDestroyed--");
    for (int iRow = 0; iRow < model.rowCount(); ++iRow) {
        const QModelIndex miRow = model.index(iRow, 0);
        QVERIFY(miRow.isValid());
        ++iVisited;
        if (iRow == 1)
            delete pFirst;
    }
    QCOMPARE(iVisited, 2);
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.index(1, 0).data().toString(), QStringLiteral("Cam 1"));
    QCOMPARE(model.rowCount(model.index(1, 0)), 1);
}

void TestCombinationModelHostile::deletingSlots_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("rowsInserted") << 0;
    QTest::newRow("rowsRemoved") << 1;
    QTest::newRow("dataChanged") << 2;
    QTest::newRow("rowsRemoved on source destroyed") << 3;
    QTest::newRow("rowsRemoved on root row removal") << 4;
    QTest::newRow("rowsRemoved on RemoveModel") << 5;
}

// The combination announces source changes from its own slots; a slot that
// deletes the combination in answer must not bring the process down.
void TestCombinationModelHostile::deletingSlots()
{
    QFETCH(int, signal);
    std::unique_ptr<QStandardItemModel> pRoot(new QStandardItemModel(0, 2));
    pRoot->appendRow(new QStandardItem(QStringLiteral("All")));
    QPointer<QStandardItemModel> pServer(NewServer(3));
    QPointer<CCombination_Model> pModel(new CCheckableModel);
    auto* pCombination = pModel.data();
    pCombination->AddModel(pServer);
    auto deleteModel = [pCombination]() { delete pCombination; };
    switch (signal) {
    case 0:
        connect(pCombination, &QAbstractItemModel::rowsInserted, deleteModel);
        pServer->appendRow(new QStandardItem(QStringLiteral("Cam 9")));
        break;
    case 1:
        connect(pCombination, &QAbstractItemModel::rowsRemoved, deleteModel);
        pServer->removeRow(0);
        break;
    case 2:
        connect(pCombination, &QAbstractItemModel::dataChanged, deleteModel);
        pServer->item(1)->setText(QStringLiteral("Gate"));
        break;
    case 3:
        connect(pCombination, &QAbstractItemModel::rowsRemoved, deleteModel);
        QTest::ignoreMessage(QtWarningMsg, "---CCombination_ModelPrivate::OnSourceModelDestroyed--");
        delete pServer;
        break;
    case 4: {
        delete pModel;
        auto* pRooted = new CCombination_Model;
        pModel = pRooted;
        pRooted->SetRootModel(pRoot.get());
        pRooted->AddModel(pServer);
        connect(pRooted, &QAbstractItemModel::rowsRemoved, [pRooted]() { delete pRooted; });
        pRoot->removeRow(0);
        break;
    }
    case 5:
        connect(pCombination, &QAbstractItemModel::rowsRemoved, deleteModel);
        QVERIFY(pCombination->RemoveModel(pServer));
        break;
    }
    QVERIFY(pModel.isNull());
    delete pServer;
}

QTEST_MAIN(TestCombinationModelHostile)
#include "tst_combinationmodel_hostile.moc"
