// Cost of combining the cameras of 50 device servers into one model, against
// Qt's QConcatenateTablesProxyModel on the same flat sources:
//   build    adding the 50 sources to a new combination;
//   walk     index(), data() and parent() for every row;
//   inserts  1 000 single-row inserts spread over the sources.
// Flat sources hold 2 000 cameras each; the tree sources hold 40 cameras of
// 49 streams each (2 000 rows per source too), where only the combination
// takes part, the concatenation proxy being flat only.
//
// Run: cmake --preset bench && cmake --build --preset bench &&
//      QT_QPA_PLATFORM=offscreen build/bench/bench/models/bench_combinationmodel

#include <OrvaGUIToolkit/ItemView/CombinationModel.h>

#include <QtCore/QConcatenateTablesProxyModel>
#include <QtGui/QStandardItemModel>
#include <QtTest/QtTest>

#include <memory>
#include <vector>

using namespace OrvaGUIToolkit;

namespace {

constexpr int s_iSources = 50;
constexpr int s_iFlatRows = 2000;
constexpr int s_iTreeCameras = 40;
constexpr int s_iTreeStreams = 49;
constexpr int s_iInserts = 1000;

using SourceList = std::vector<std::unique_ptr<QStandardItemModel>>;

SourceList MakeSources(bool bTree)
{
    SourceList vecSources;
    for (int iSource = 0; iSource < s_iSources; ++iSource) {
        auto pModel = std::make_unique<QStandardItemModel>(0, 1);
        const int iCameras = bTree ? s_iTreeCameras : s_iFlatRows;
        for (int iCamera = 0; iCamera < iCameras; ++iCamera) {
            auto* pCamera = new QStandardItem(QStringLiteral("Server %1 camera %2").arg(iSource).arg(iCamera));
            for (int iStream = 0; bTree && iStream < s_iTreeStreams; ++iStream)
                pCamera->appendRow(new QStandardItem(QStringLiteral("stream %1").arg(iStream)));
            pModel->appendRow(pCamera);
        }
        vecSources.push_back(std::move(pModel));
    }
    return vecSources;
}

// Wraps either proxy behind one interface for the benchmark bodies.
std::unique_ptr<QAbstractItemModel> Combine(const SourceList& vecSources, bool bAnchor)
{
    if (bAnchor) {
        auto pProxy = std::make_unique<QConcatenateTablesProxyModel>();
        for (const auto& pSource : vecSources)
            pProxy->addSourceModel(pSource.get());
        return pProxy;
    }
    auto pModel = std::make_unique<CCombination_Model>();
    pModel->SetColumnCount(1);
    for (const auto& pSource : vecSources)
        pModel->AddModel(pSource.get());
    return pModel;
}

qint64 Walk(const QAbstractItemModel& model, const QModelIndex& miParent)
{
    qint64 iSum = 0;
    const int iRows = model.rowCount(miParent);
    for (int iRow = 0; iRow < iRows; ++iRow) {
        const QModelIndex miIndex = model.index(iRow, 0, miParent);
        iSum += model.data(miIndex).toString().size() + model.parent(miIndex).row();
        if (model.hasChildren(miIndex))
            iSum += Walk(model, miIndex);
    }
    return iSum;
}

} // namespace

class BenchCombinationModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void build_data() { Cases(); }
    void build();
    void walk_data() { Cases(); }
    void walk();
    void inserts_data() { Cases(); }
    void inserts();

private:
    static void Cases()
    {
        QTest::addColumn<bool>("tree");
        QTest::addColumn<bool>("anchor");
        QTest::newRow("flat combination") << false << false;
        QTest::newRow("flat QConcatenateTablesProxyModel") << false << true;
        QTest::newRow("tree combination") << true << false;
    }
};

void BenchCombinationModel::build()
{
    QFETCH(bool, tree);
    QFETCH(bool, anchor);
    const SourceList vecSources = MakeSources(tree);
    QBENCHMARK {
        std::unique_ptr<QAbstractItemModel> pModel = Combine(vecSources, anchor);
        QCOMPARE(pModel->rowCount(), s_iSources * (tree ? s_iTreeCameras : s_iFlatRows));
    }
}

void BenchCombinationModel::walk()
{
    QFETCH(bool, tree);
    QFETCH(bool, anchor);
    const SourceList vecSources = MakeSources(tree);
    const std::unique_ptr<QAbstractItemModel> pModel = Combine(vecSources, anchor);
    qint64 iSum = 0;
    QBENCHMARK {
        iSum = Walk(*pModel, QModelIndex());
    }
    QVERIFY(iSum > 0);
}

void BenchCombinationModel::inserts()
{
    QFETCH(bool, tree);
    QFETCH(bool, anchor);
    const SourceList vecSources = MakeSources(tree);
    const std::unique_ptr<QAbstractItemModel> pModel = Combine(vecSources, anchor);
    const int iRowsBefore = pModel->rowCount();
    int iRound = 0;
    QBENCHMARK {
        for (int i = 0; i < s_iInserts; ++i) {
            QStandardItemModel* pSource = vecSources[size_t(i % s_iSources)].get();
            QStandardItem* pParent = tree ? pSource->item((i / s_iSources) % s_iTreeCameras)
                                          : pSource->invisibleRootItem();
            pParent->insertRow((i * 7919) % (pParent->rowCount() + 1), new QStandardItem(QStringLiteral("new camera")));
        }
        ++iRound;
    }
    QCOMPARE(pModel->rowCount(), iRowsBefore + (tree ? 0 : iRound * s_iInserts));
}

QTEST_MAIN(BenchCombinationModel)
#include "bench_combinationmodel.moc"
