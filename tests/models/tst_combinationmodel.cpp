#include <OrvaGUIToolkit/OrvaGUIToolkit.h>

#include "ModelTesterSupport.h"

#include <QtCore/QPointer>
#include <QtCore/QRandomGenerator>
#include <QtGui/QStandardItemModel>
#include <QtTest/QAbstractItemModelTester>
#include <QtTest/QtTest>
#include <QtWidgets/QTreeView>

#include <climits>
#include <memory>

using namespace OrvaGUIToolkit;

namespace {

// A source model of one device server: iCameras cameras, each with
// iStreams streams below it, in two columns (name, address).
QStandardItemModel* NewServer(const QString& strName, int iCameras, int iStreams = 0)
{
    auto* pModel = new QStandardItemModel(0, 2);
    for (int iCamera = 0; iCamera < iCameras; ++iCamera) {
        const QString strCamera = QStringLiteral("%1 cam %2").arg(strName).arg(iCamera);
        auto* pCamera = new QStandardItem(strCamera);
        for (int iStream = 0; iStream < iStreams; ++iStream)
            pCamera->appendRow({new QStandardItem(strCamera + QStringLiteral(" stream %1").arg(iStream)),
                                new QStandardItem(QStringLiteral("rtsp"))});
        pModel->appendRow({pCamera, new QStandardItem(QStringLiteral("10.0.%1.1").arg(iCamera))});
    }
    return pModel;
}

QStandardItemModel* NewRoot(bool bWithRow)
{
    auto* pRoot = new QStandardItemModel(0, 2);
    pRoot->setHorizontalHeaderLabels({QStringLiteral("Name"), QStringLiteral("Address")});
    if (bWithRow)
        pRoot->appendRow({new QStandardItem(QStringLiteral("All servers")), new QStandardItem(QString())});
    return pRoot;
}

QString Text(const QModelIndex& miIndex)
{
    return miIndex.data().toString();
}

// Counts the warnings written while it lives; the test's own handler still
// sees them, so that expected messages can be ignored as usual.
class CWarningCounter
{
public:
    CWarningCounter()
    {
        s_iCount = 0;
        s_pPrevious = qInstallMessageHandler(&CWarningCounter::Handler);
    }
    ~CWarningCounter() { qInstallMessageHandler(s_pPrevious); }
    int Count() const { return s_iCount; }

private:
    static void Handler(QtMsgType enumType, const QMessageLogContext& context, const QString& strMessage)
    {
        if (enumType == QtWarningMsg)
            ++s_iCount;
        s_pPrevious(enumType, context, strMessage);
    }
    static inline int s_iCount = 0;
    static inline QtMessageHandler s_pPrevious = nullptr;
};

// Whether the proxy's subtree below miProxy shows exactly the source subtree
// below miSource (both columns, at every depth).
bool SameTree(const QAbstractItemModel& proxy, const QModelIndex& miProxy, const QAbstractItemModel& source,
              const QModelIndex& miSource, int iProxyFirst)
{
    for (int iRow = 0; iRow < source.rowCount(miSource); ++iRow) {
        const QModelIndex miP = proxy.index(iProxyFirst + iRow, 0, miProxy);
        const QModelIndex miS = source.index(iRow, 0, miSource);
        if (miP.data() != miS.data() || miP.siblingAtColumn(1).data() != miS.siblingAtColumn(1).data()
            || proxy.parent(miP) != miProxy || proxy.rowCount(miP) != source.rowCount(miS)
            || !SameTree(proxy, miP, source, miS, 0))
            return false;
    }
    return true;
}

bool ShowsSources(const CCombination_Model& model, const QModelIndex& miTop)
{
    int iFirst = 0;
    for (int i = 0; i < model.GetModelCount(); ++i) {
        if (!SameTree(model, miTop, *model.GetModel(i), QModelIndex(), iFirst))
            return false;
        iFirst += model.GetModel(i)->rowCount();
    }
    return model.rowCount(miTop) == iFirst;
}

// How the combination's top level is made: by a column count only, by a root
// model without rows (sources at the top level), or under the root's one row.
enum class Top { Bare, Columns, EmptyRoot, RootRow };

struct Server
{
    const char* pszName;
    int iCameras;
    int iStreams;
};

// A combination of device servers, watched by Qt's model tester from before
// the first source is added. Members are destroyed tester and model first,
// sources last.
struct Combined
{
    Combined(Top enumTop, std::initializer_list<Server> listServers)
    {
        if (enumTop == Top::Columns) {
            model.SetColumnCount(2);
        } else if (enumTop != Top::Bare) {
            pRoot.reset(NewRoot(enumTop == Top::RootRow));
            model.SetRootModel(pRoot.get());
        }
        // Attached after the top is chosen: any read of the model before that
        // makes it fall back to its own root.
        pTester = std::make_unique<QAbstractItemModelTester>(&model,
                                                             QAbstractItemModelTester::FailureReportingMode::Fatal);
        for (const Server& server : listServers) {
            vecServers.emplace_back(NewServer(QLatin1String(server.pszName), server.iCameras, server.iStreams));
            model.AddModel(vecServers.back().get());
        }
    }
    QStandardItemModel* Source(int i) const { return vecServers[size_t(i)].get(); }
    QModelIndex TopIndex() const { return pRoot && pRoot->rowCount() ? model.index(0, 0) : QModelIndex(); }

    std::unique_ptr<QStandardItemModel> pRoot;
    std::vector<std::unique_ptr<QStandardItemModel>> vecServers;
    CCombination_Model model;
    std::unique_ptr<QAbstractItemModelTester> pTester;
};

} // namespace

class TestCombinationModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void topLevelFollowsModelOrder()
    {
        Combined f(Top::Columns, {{"A", 3, 0}, {"B", 2, 0}});
        CCombination_Model& model = f.model;
        QCOMPARE(model.rowCount(), 5);
        QCOMPARE(Text(model.index(3, 0)), QStringLiteral("B cam 0"));
        QCOMPARE(Text(model.index(4, 1)), QStringLiteral("10.0.1.1"));
        QCOMPARE(model.GetModelByProxyIndex(model.index(3, 0)), f.Source(1));
        QCOMPARE(model.GetModelByProxyIndex(model.index(2, 0)), f.Source(0));
        QCOMPARE(model.MapToSource(model.index(3, 1)), f.Source(1)->index(0, 1));
        QCOMPARE(model.MapFromSource(f.Source(1)->index(1, 0)), model.index(4, 0));
        QCOMPARE(model.MapFromSource(QModelIndex()), QModelIndex());
        QVector<QAbstractItemModel*> vecModels{nullptr, nullptr, nullptr};
        model.GetAllModels(vecModels);
        QCOMPARE(vecModels, (QVector<QAbstractItemModel*>{f.Source(0), f.Source(1)}));
        QVERIFY(!model.GetModel(2) && !model.GetModel(-1));

        // An edit goes to the source and is announced for the whole proxy row.
        QSignalSpy spyChanged(&model, &QAbstractItemModel::dataChanged);
        QVERIFY(model.setData(model.index(3, 0), QStringLiteral("Gate")));
        QCOMPARE(f.Source(1)->item(0)->text(), QStringLiteral("Gate"));
        QCOMPARE(spyChanged.count(), 1);
        QCOMPARE(spyChanged.at(0).mid(0, 2),
                 (QVariantList{QVariant::fromValue(model.index(3, 0)), QVariant::fromValue(model.index(3, 1))}));
        QVERIFY(!model.setData(QModelIndex(), QStringLiteral("x")));
        QVERIFY(!model.insertRows(0, 1));
        QVERIFY(!model.removeRows(0, 1));
    }

    void rootRowHoldsSources()
    {
        Combined f(Top::RootRow, {{"A", 3, 2}, {"B", 2, 1}});
        CCombination_Model& model = f.model;
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(model.columnCount(), 2);
        const QModelIndex miRoot = model.index(0, 0);
        QCOMPARE(Text(miRoot), QStringLiteral("All servers"));
        QCOMPARE(Text(model.index(0, 1)), QStringLiteral("All servers"));
        QCOMPARE(model.MapFromSource(QModelIndex()), miRoot);
        QCOMPARE(model.MapToSource(miRoot), f.pRoot->index(0, 0));
        QCOMPARE(model.rowCount(miRoot), 5);
        QCOMPARE(Text(model.index(0, 0, model.index(4, 0, miRoot))), QStringLiteral("B cam 1 stream 0"));
        QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Address"));
        QVERIFY(ShowsSources(model, miRoot));
    }

    // Indexes of another model or out of range give nothing and change nothing.
    void foreignAndOutOfRangeIndexes()
    {
        Combined f(Top::Columns, {{"A", 3, 1}});
        CCombination_Model& model = f.model;
        for (const QPoint& pt : {QPoint(INT_MIN, INT_MIN), QPoint(3, 0), QPoint(0, INT_MAX)}) {
            QVERIFY(!model.index(pt.x(), pt.y()).isValid());
            QVERIFY(!model.index(pt.x(), pt.y(), model.index(1, 0)).isValid());
        }
        std::unique_ptr<QStandardItemModel> pStranger(NewServer(QStringLiteral("X"), 2, 1));
        const QModelIndex miForeign = pStranger->index(1, 0);
        QCOMPARE((QList<bool>{model.MapFromSource(miForeign).isValid(), model.parent(miForeign).isValid(),
                              model.hasChildren(miForeign), model.data(miForeign).isValid(),
                              model.index(0, 0, miForeign).isValid()}),
                 QList<bool>({false, false, false, false, false}));
        QCOMPARE(model.rowCount(miForeign), 0);
        QCOMPARE(model.GetModelByProxyIndex(miForeign), nullptr);
        QTest::ignoreMessage(QtWarningMsg, "CCombinationModel: index from wrong model passed to ProxyToSource");
        QVERIFY(!model.setData(miForeign, 1));
    }

    void refusals_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("warning");
        // The refusals of the source list are silent; absurd sizes are warned of.
        QTest::newRow("same model twice") << 0 << QString();
        QTest::newRow("null model") << 1 << QString();
        QTest::newRow("no column") << 2 << QString();
        QTest::newRow("position past end") << 3 << QString();
        QTest::newRow("negative position") << 4 << QString();
        QTest::newRow("delete unknown") << 5 << QString();
        QTest::newRow("root after fallback") << 6 << QString();
        QTest::newRow("null root") << 10 << QString();
        QTest::newRow("remove null") << 11 << QString();
        QTest::newRow("negative column count") << 7 << QStringLiteral("CCombination_Model::SetColumnCount: iCount out of range");
        QTest::newRow("huge column count") << 8 << QStringLiteral("CCombination_Model::SetColumnCount: iCount out of range");
        QTest::newRow("huge column insertion") << 9 << QStringLiteral("CCombination_Model::insertColumns: count out of range");
    }

    void refusals()
    {
        QFETCH(int, kind);
        QFETCH(QString, warning);
        std::unique_ptr<QStandardItemModel> pServer(NewServer(QStringLiteral("A"), 2));
        std::unique_ptr<QStandardItemModel> pOther(NewServer(QStringLiteral("B"), 2));
        Combined f(kind == 2 ? Top::Bare : Top::Columns, {});
        CCombination_Model& model = f.model;
        if (kind != 2)
            model.AddModel(pServer.get());
        const CWarningCounter warnings;
        if (!warning.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, qPrintable(warning));
        switch (kind) {
        case 0: QVERIFY(!model.AddModel(pServer.get())); break;
        case 1: QVERIFY(!model.AddModel(nullptr)); break;
        case 2: QVERIFY(!model.AddModel(pServer.get())); break;
        case 3: QVERIFY(!model.InsertModel(2, pOther.get())); break;
        case 4: QVERIFY(!model.InsertModel(-1, pOther.get())); break;
        case 5: QVERIFY(!model.DeleteModel(pOther.get())); QCOMPARE(pOther->rowCount(), 2); break;
        case 6: model.SetRootModel(pOther.get()); QVERIFY(model.GetRootModel() != pOther.get()); break;
        case 7: model.SetColumnCount(INT_MIN); break;
        case 8: model.SetColumnCount(INT_MAX); break;
        case 9: QVERIFY(!model.insertColumns(0, INT_MAX)); break;
        case 10: model.SetRootModel(nullptr); QVERIFY(model.GetRootModel()); break;
        case 11: QVERIFY(!model.RemoveModel(nullptr)); break;
        }
        QCOMPARE(warnings.Count(), warning.isEmpty() ? 0 : 1);
        QCOMPARE(model.GetModelCount(), kind == 2 ? 0 : 1);
        QCOMPARE(model.rowCount(), kind == 2 ? 0 : 2);
        QCOMPARE(model.columnCount(), kind == 2 ? 0 : 2);
    }

    void sourceDestroyedElsewhere()
    {
        Combined f(Top::RootRow, {{"A", 3, 2}, {"B", 2, 1}});
        CCombination_Model& model = f.model;
        QTreeView view;
        view.setModel(&model);
        view.expandAll();
        const QPersistentModelIndex pmiStream = model.index(1, 0, model.index(2, 0, model.index(0, 0)));
        QVERIFY(pmiStream.isValid());
        QSignalSpy spyRemoved(&model, &QAbstractItemModel::rowsRemoved);
        QTest::ignoreMessage(QtWarningMsg, "---CCombination_ModelPrivate::OnSourceModelDestroyed--");
        delete f.vecServers[0].release();
        QCOMPARE(spyRemoved.count(), 1);
        QCOMPARE(spyRemoved.at(0).mid(1), (QVariantList{0, 2}));
        QVERIFY(!pmiStream.isValid());
        QCOMPARE(model.GetModelCount(), 1);
        QVERIFY(ShowsSources(model, model.index(0, 0)));
    }

    void rootGoneDropsSources_data()
    {
        QTest::addColumn<bool>("destroyed");
        QTest::newRow("root model destroyed") << true;
        QTest::newRow("root row removed") << false;
    }

    void rootGoneDropsSources()
    {
        QFETCH(bool, destroyed);
        Combined f(Top::RootRow, {{"A", 3, 1}});
        QSignalSpy spyRemoved(&f.model, &QAbstractItemModel::rowsRemoved);
        if (destroyed) {
            // An empty model takes the root's place: the columns go as well.
            QSignalSpy spyColumns(&f.model, &QAbstractItemModel::columnsRemoved);
            QSignalSpy spyHeader(&f.model, &QAbstractItemModel::headerDataChanged);
            QTest::ignoreMessage(QtWarningMsg, "---CCombination_ModelPrivate::OnRootModelDestroyed---");
            delete f.pRoot.release();
            QCOMPARE(f.model.columnCount(), 0);
            QCOMPARE(f.model.GetRootModel()->columnCount(), 0);
            QCOMPARE(f.model.GetRootModel()->rowCount(), 0);
            QCOMPARE(spyRemoved.count(), 1);
            QCOMPARE(spyColumns.count(), 1);
            QCOMPARE(spyColumns.at(0).mid(1), (QVariantList{0, 1}));
            QCOMPARE(spyHeader.count(), 0);
        } else {
            f.pRoot->removeRow(0);
            QCOMPARE(spyRemoved.count(), 1);
            QCOMPARE(spyRemoved.at(0).at(0).value<QModelIndex>(), QModelIndex());
        }
        QCOMPARE(f.model.GetModelCount(), 0);
        f.Source(0)->appendRow(new QStandardItem(QStringLiteral("late")));
        QCOMPARE(f.model.rowCount(), 0);
    }

    // A root without rows dies: the sources stay at the top level, the
    // columns go, and a view over the model copes with rows of no column.
    void emptyRootDestroyedKeepsSources()
    {
        Combined f(Top::EmptyRoot, {{"A", 2, 1}});
        QTreeView view;
        view.setModel(&f.model);
        view.expandAll();
        view.resize(300, 200);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QSignalSpy spyColumns(&f.model, &QAbstractItemModel::columnsRemoved);
        QTest::ignoreMessage(QtWarningMsg, "---CCombination_ModelPrivate::OnRootModelDestroyed---");
        delete f.pRoot.release();
        QCOMPARE(spyColumns.count(), 1);
        QCOMPARE(f.model.columnCount(), 0);
        QCOMPARE(f.model.GetModelCount(), 1);
        QCOMPARE(f.model.rowCount(), 2);
        QCOMPARE(Text(f.model.index(1, 0)), QStringLiteral("A cam 1"));
        view.repaint();
        QCOMPARE(view.header()->count(), 0);
        f.model.SetColumnCount(1);
        QCOMPARE(view.header()->count(), 1);
        QCOMPARE(Text(f.model.index(0, 0, f.model.index(1, 0))), QStringLiteral("A cam 1 stream 0"));
    }

    void keyMappingAndKeywords()
    {
        Combined f(Top::EmptyRoot, {{"Gate", 2, 0}});
        CCombination_Model& model = f.model;
        model.AddMapping(1, Qt::ToolTipRole, 0, Qt::DisplayRole);
        QCOMPARE(model.index(1, 1).data(Qt::ToolTipRole).toString(), QStringLiteral("Gate cam 1"));
        QVERIFY(!model.index(1, 0).data(Qt::ToolTipRole).isValid());
        QVERIFY(model.setHeaderData(0, Qt::Horizontal, QStringList{QString(), QStringLiteral("CAM 1")},
                                    HighlightKeywordsRole));
        QCOMPARE(model.index(1, 0).data(Qt::ForegroundRole).value<QColor>(), QColor(220, 82, 82, 255));
        QVERIFY(!model.index(0, 0).data(Qt::ForegroundRole).isValid());
        QCOMPARE(model.flags(model.index(0, 0)), f.Source(0)->flags(f.Source(0)->index(0, 0)));
    }

    void checkableKeepsStateInSources()
    {
        std::unique_ptr<QStandardItemModel> pServer(NewServer(QStringLiteral("A"), 2, 2));
        pServer->item(0)->setCheckState(Qt::Unchecked);
        {
            CCheckableModel model;
            model.SetSourceModel(pServer.get());
            ModelTest::CWatchedModel watched(&model);
            QCOMPARE(model.columnCount(), 1);
            QVERIFY(model.flags(model.index(1, 0)) & Qt::ItemIsUserCheckable);
            QCOMPARE(int(model.flags(QModelIndex())), int(Qt::ItemIsUserCheckable));
            QVERIFY(model.setData(model.index(0, 0, model.index(1, 0)), Qt::Checked, Qt::CheckStateRole));
            QCOMPARE(pServer->item(1)->child(0)->data(CheckStateExRole).toInt(), 2);
            QVERIFY(!pServer->item(1)->child(0)->data(Qt::CheckStateRole).isValid());
            QCOMPARE(model.index(0, 0).data(Qt::CheckStateRole).toInt(), 0);
            const QModelIndexList listChecked = model.GetCheckedIndexs();
            QCOMPARE(listChecked.count(), 1);
            QCOMPARE(Text(listChecked.first()), QStringLiteral("A cam 1 stream 0"));
        }
        QCOMPARE(pServer->item(1)->child(0)->data(CheckStateExRole).toInt(), 0);
        QCOMPARE(pServer->item(0)->checkState(), Qt::Unchecked);
    }

    // Below a row, the walk goes on through the row's first child only; each
    // row met is unchecked, whether or not it has children.
    void setUncheckedWalksFirstChildren_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QStringList>("stillChecked");
        QTest::newRow("whole model") << QString() << QStringList{QStringLiteral("c1"), QStringLiteral("d1")};
        QTest::newRow("group P") << QStringLiteral("P")
                                 << QStringList{QStringLiteral("Q"), QStringLiteral("d0"), QStringLiteral("d1"),
                                                QStringLiteral("e0"), QStringLiteral("e1")};
        QTest::newRow("group Q") << QStringLiteral("Q")
                                 << QStringList{QStringLiteral("P"), QStringLiteral("c0"), QStringLiteral("c1"),
                                                QStringLiteral("e1")};
    }

    void setUncheckedWalksFirstChildren()
    {
        QFETCH(QString, start);
        QFETCH(QStringList, stillChecked);
        // P -> c0, c1; Q -> d0 (-> e0, e1), d1. Every row is checked.
        QStandardItemModel source;
        const auto checked = [](const char* pszText) {
            auto* pItem = new QStandardItem(QLatin1String(pszText));
            pItem->setData(int(Qt::Checked), CheckStateExRole);
            return pItem;
        };
        QStandardItem* pP = checked("P");
        pP->appendRows({checked("c0"), checked("c1")});
        QStandardItem* pQ = checked("Q");
        QStandardItem* pD0 = checked("d0");
        pD0->appendRows({checked("e0"), checked("e1")});
        pQ->appendRows({pD0, checked("d1")});
        source.appendRow(pP);
        source.appendRow(pQ);
        auto* pModel = new CCheckableModel;
        pModel->SetSourceModel(&source);
        QModelIndex miStart;
        if (!start.isEmpty())
            miStart = pModel->match(pModel->index(0, 0), Qt::DisplayRole, start, 1, Qt::MatchExactly).value(0);
        pModel->SetUnChecked(miStart);
        QStringList listChecked;
        for (const QModelIndex& miChecked : pModel->GetCheckedIndexs())
            listChecked << Text(miChecked);
        listChecked.sort();
        QCOMPARE(listChecked, stillChecked);
        // The destructor runs the same walk from each top-level row: it never
        // reaches e1, the second child of Q's first child.
        delete pModel;
        QCOMPARE(source.item(1)->child(0)->child(1)->data(CheckStateExRole).toInt(),
                 int(stillChecked.contains(QStringLiteral("e1")) ? Qt::Checked : Qt::Unchecked));
        for (const QStandardItem* pItem : {source.item(0)->child(1), source.item(1)->child(1), source.item(1)})
            QCOMPARE(pItem->data(CheckStateExRole).toInt(), int(Qt::Unchecked));
    }

    // A mapping may read a source column beyond the combination's own columns;
    // a column the source lacks still gives nothing.
    void mappingReachesSourceColumns()
    {
        QStandardItemModel source(0, 3);
        source.appendRow({new QStandardItem(QStringLiteral("Cam 1")), new QStandardItem(QStringLiteral("10.0.0.1")),
                          new QStandardItem(QStringLiteral("north gate"))});
        CCheckableModel model;
        model.SetSourceModel(&source);
        QCOMPARE(model.columnCount(), 1);
        QCOMPARE(Text(model.index(0, 2)), QStringLiteral("north gate"));
        QVERIFY(!model.index(0, 3).isValid());
        model.AddMapping(0, Qt::ToolTipRole, 2, Qt::DisplayRole);
        model.AddMapping(0, Qt::WhatsThisRole, 5, Qt::DisplayRole);
        QCOMPARE(model.index(0, 0).data(Qt::ToolTipRole).toString(), QStringLiteral("north gate"));
        QVERIFY(!model.index(0, 0).data(Qt::WhatsThisRole).isValid());
        CComboBoxModel combo;
        combo.AddComboBoxModel(&source);
        combo.AddMapping(-1, Qt::ToolTipRole, 1, Qt::DisplayRole);
        QCOMPARE(combo.index(1, 0).data(Qt::ToolTipRole).toString(), QStringLiteral("10.0.0.1"));
        QVERIFY(!combo.index(0, 0).data(Qt::ToolTipRole).isValid());
    }

    void comboBoxStartsWithAll()
    {
        std::unique_ptr<QStandardItemModel> pPlates(NewServer(QStringLiteral("Plate"), 3));
        CComboBoxModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(Text(model.index(0, 0)), QStringLiteral("All"));
        QCOMPARE(model.index(0, 0).data(Qt::ToolTipRole).toString(), QStringLiteral("All"));
        QCOMPARE(model.index(0, 0).data(CheckStateExRole).toInt(), 0);
        QVERIFY(!(model.flags(model.index(0, 0)) & Qt::ItemIsEditable));
        QVERIFY(model.AddComboBoxModel(pPlates.get()));
        QCOMPARE(Text(model.index(1, 0)), QStringLiteral("Plate cam 0"));
    }

    void deletingSlots_data()
    {
        QTest::addColumn<int>("iCase");
        int iCase = 0;
        for (const char* pszName :
             {"rowsInserted", "rowsRemoved", "dataChanged", "rowsRemoved on source destroyed", "rowsRemoved on root row removal"})
            QTest::newRow(pszName) << iCase++;
    }

    // The combination announces source changes from its own slots; a slot that
    // deletes the combination in answer must not bring the process down.
    void deletingSlots()
    {
        QFETCH(int, iCase);
        std::unique_ptr<QStandardItemModel> pRoot(NewRoot(true));
        QPointer<QStandardItemModel> pServer(NewServer(QStringLiteral("A"), 3, 1));
        CCombination_Model* pCombination = iCase == 4 ? new CCombination_Model : new CCheckableModel;
        const QPointer<CCombination_Model> pGuard(pCombination);
        if (iCase == 4)
            pCombination->SetRootModel(pRoot.get());
        pCombination->AddModel(pServer);
        const auto deleteModel = [pCombination] { delete pCombination; };
        connect(pCombination, iCase == 0 ? &QAbstractItemModel::rowsInserted : &QAbstractItemModel::rowsRemoved,
                deleteModel);
        connect(pCombination, &QAbstractItemModel::dataChanged, deleteModel);
        switch (iCase) {
        case 0: pServer->appendRow(new QStandardItem(QStringLiteral("Cam 9"))); break;
        case 1: pServer->removeRow(0); break;
        case 2: pServer->item(1)->setText(QStringLiteral("Gate")); break;
        case 3:
            QTest::ignoreMessage(QtWarningMsg, "---CCombination_ModelPrivate::OnSourceModelDestroyed--");
            delete pServer;
            break;
        case 4: pRoot->removeRow(0); break;
        }
        QVERIFY(pGuard.isNull());
        delete pServer;
    }

    // Several hundred random source edits at several depths across several
    // sources, with sources added, removed and destroyed on the way. The tester
    // checks every announcement; after each step the combination must show the
    // sources exactly. The seed goes to the log first (ORVA_SEED replays it): the
    // tester ends the process on a failure.
    void randomEditsAcrossSources()
    {
        const quint32 uSeed = qEnvironmentVariableIsSet("ORVA_SEED") ? quint32(qEnvironmentVariableIntValue("ORVA_SEED"))
                                                                     : QRandomGenerator::global()->generate();
        qInfo("random combination sequence, seed %u", uSeed);
        QRandomGenerator random(uSeed);
        for (bool bWithRoot : {false, true}) {
            Combined f(bWithRoot ? Top::RootRow : Top::EmptyRoot, {});
            CCombination_Model& model = f.model;
            std::vector<std::unique_ptr<QStandardItemModel>>& vecServers = f.vecServers;
            QTreeView view;
            view.setModel(&model);
            int iNamed = 0;
            for (int iStep = 0; iStep < 300; ++iStep) {
                const int iAction = random.bounded(20);
                if (vecServers.empty() || iAction == 0) {
                    vecServers.emplace_back(NewServer(QString::number(iNamed++), random.bounded(4), random.bounded(3)));
                    QVERIFY(model.InsertModel(random.bounded(model.GetModelCount() + 1), vecServers.back().get()));
                    continue;
                }
                const int iServer = random.bounded(int(vecServers.size()));
                QStandardItemModel* pServer = vecServers[size_t(iServer)].get();
                if (iAction == 1) {
                    QTest::ignoreMessage(QtWarningMsg, "---CCombination_ModelPrivate::OnSourceModelDestroyed--");
                    vecServers.erase(vecServers.begin() + iServer);
                } else if (iAction == 2) {
                    QVERIFY(model.RemoveModel(pServer));
                    vecServers.erase(vecServers.begin() + iServer);
                } else {
                    QModelIndex miParent;
                    for (int iDepth = 0; iDepth < 3 && pServer->rowCount(miParent) > 0 && random.bounded(2); ++iDepth)
                        miParent = pServer->index(random.bounded(pServer->rowCount(miParent)), 0, miParent);
                    const int iRows = pServer->rowCount(miParent);
                    if (iAction < 10) {
                        const int iAt = random.bounded(iRows + 1);
                        const int iCount = 1 + random.bounded(3);
                        // A parent without columns takes whole rows of items; Qt's
                        // standard model would otherwise give it rows of no column.
                        if (pServer->columnCount(miParent) >= 2) {
                            pServer->insertRows(iAt, iCount, miParent);
                        } else if (miParent.isValid()) {
                            pServer->itemFromIndex(miParent)->insertRow(
                                iAt, {new QStandardItem, new QStandardItem(QStringLiteral("rtsp"))});
                        } else {
                            pServer->insertRow(iAt, {new QStandardItem, new QStandardItem(QStringLiteral("rtsp"))});
                        }
                        pServer->setData(pServer->index(iAt, 0, miParent), QStringLiteral("n%1").arg(iStep));
                    } else if (iAction < 16 && iRows > 0) {
                        const int iAt = random.bounded(iRows);
                        pServer->removeRows(iAt, 1 + random.bounded(iRows - iAt), miParent);
                    } else if (iRows > 0) {
                        pServer->setData(pServer->index(random.bounded(iRows), random.bounded(2), miParent),
                                         QStringLiteral("e%1").arg(iStep));
                    }
                }
                QVERIFY(ShowsSources(model, f.TopIndex()));
            }
        }
    }
};

QTEST_MAIN(TestCombinationModel)
#include "tst_combinationmodel.moc"
