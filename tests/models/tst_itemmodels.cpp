#include <OrvaGUIToolkit/OrvaGUIToolkit.h>

#include "ModelTesterSupport.h"

#include <QtCore/QPointer>
#include <QtCore/QRandomGenerator>
#include <QtGui/QPalette>
#include <QtTest/QtTest>
#include <QtWidgets/QLineEdit>

#include <climits>

using namespace OrvaGUIToolkit;

namespace {

// A model with two header columns and a small tree:
//   "Lobby" -> "Cam 1", "Cam 2"; "Gate" -> "Cam 3" -> "Stream"
void FillTree(CTreeViewModel& model)
{
    model.insertColumns(0, 2);
    model.setHeaderData(0, Qt::Horizontal, QStringLiteral("Name"));
    model.setHeaderData(1, Qt::Horizontal, QStringLiteral("Address"));
    const auto addRows = [&model](const QModelIndex& miParent, const QStringList& listNames) {
        model.insertRows(0, listNames.size(), miParent);
        for (int iRow = 0; iRow < listNames.size(); ++iRow)
            model.setData(model.index(iRow, 0, miParent), listNames.at(iRow));
    };
    addRows(QModelIndex(), {QStringLiteral("Lobby"), QStringLiteral("Gate")});
    addRows(model.index(0, 0), {QStringLiteral("Cam 1"), QStringLiteral("Cam 2")});
    addRows(model.index(1, 0), {QStringLiteral("Cam 3")});
    addRows(model.index(0, 0, model.index(1, 0)), {QStringLiteral("Stream")});
}

int s_iMessages = 0;

void CountMessage(QtMsgType, const QMessageLogContext&, const QString&)
{
    ++s_iMessages;
}

} // namespace

class TestItemModels : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Edit and display share one value; setting a column past the end grows that
    // node only; inserted and removed columns reach the children.
    void itemColumns()
    {
        CTreeViewItem parent;
        parent.SetData(1, Qt::EditRole, QStringLiteral("b"));
        QCOMPARE(parent.data(1, Qt::DisplayRole).toString(), QStringLiteral("b"));
        QVERIFY(!parent.data(1, Qt::ToolTipRole).isValid());
        QVERIFY(!parent.data(3, Qt::DisplayRole).isValid());
        QVERIFY(parent.InsertChildren(0, 2, 0));
        QVERIFY(parent.Child(0)->SetData(1, Qt::DisplayRole, QStringLiteral("child b")));
        QCOMPARE(parent.Child(0)->ColumnCount(), 2);
        QCOMPARE(parent.Child(1)->ColumnCount(), 0);
        QVERIFY(parent.InsertColumns(1, 2));
        QCOMPARE(parent.ColumnCount(), 4);
        QCOMPARE(parent.Child(0)->data(3, Qt::EditRole).toString(), QStringLiteral("child b"));
        QVERIFY(!parent.InsertColumns(5, 1));
        QVERIFY(!parent.InsertColumns(0, 0));
        QVERIFY(parent.RemoveColumns(0, 3));
        QCOMPARE(parent.data(0, Qt::DisplayRole).toString(), QStringLiteral("b"));
        QCOMPARE(parent.Child(0)->data(0, Qt::DisplayRole).toString(), QStringLiteral("child b"));

        // The check state reads back as a plain number.
        parent.SetCheckBoxState(0, Qt::PartiallyChecked);
        QCOMPARE(parent.checkState(0), 1);
        parent.SetCheckBoxState(2, true);
        QCOMPARE(parent.checkState(2), 2);
        QCOMPARE(parent.checkState(7), 0);
    }

    // The same value set twice is announced twice; flags follow the enabled
    // state; either orientation names a column; the last column takes the rows.
    void treeModelBasics()
    {
        qRegisterMetaType<Qt::Orientation>();
        CTreeViewModel model;
        ModelTest::CWatchedModel watched(&model);
        FillTree(model);
        QSignalSpy spy(&model, &QAbstractItemModel::dataChanged);
        QVERIFY(model.setData(model.index(0, 1), QStringLiteral("10.0.0.1")));
        QVERIFY(model.setData(model.index(0, 1), QStringLiteral("10.0.0.1")));
        QVERIFY(!model.setData(QModelIndex(), 1));
        QCOMPARE(spy.count(), 2);
        QCOMPARE(int(model.flags(QModelIndex())), 0x39);
        CTreeViewItem* pItem = model.GetItem(model.index(0, 1));
        pItem->SetEnabled(1, false);
        QCOMPARE(int(model.flags(model.index(0, 1))), 0x19);
        QCOMPARE(int(model.flags(model.index(0, 0))), 0x39);
        pItem->SetEnabled(1, true);
        QCOMPARE(int(model.flags(model.index(0, 1))), 0x39);

        QCOMPARE(model.headerData(0, Qt::Horizontal, Qt::TextAlignmentRole).toInt(), 0x81);
        QCOMPARE(model.headerData(7, Qt::Vertical, Qt::TextAlignmentRole).toInt(), 0x81);
        QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Address"));
        QVERIFY(!model.headerData(1, Qt::Vertical).isValid());
        QSignalSpy spyHeader(&model, &QAbstractItemModel::headerDataChanged);
        QVERIFY(model.setHeaderData(0, Qt::Vertical, QStringLiteral("Camera")));
        QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Camera"));
        QCOMPARE(spyHeader.count(), 1);
        QCOMPARE(spyHeader.at(0).at(0).value<Qt::Orientation>(), Qt::Vertical);

        QVERIFY(model.removeColumns(0, 1));
        QCOMPARE(model.rowCount(), 2);
        QVERIFY(model.removeColumns(0, 1));
        QCOMPARE(model.rowCount(), 0);
    }

    // A fresh model has no header columns, yet its rows take data: each node
    // grows its own columns. Children hang under every cell of their row.
    void nodesGrowTheirOwnColumns()
    {
        CTreeViewModel model;
        QVERIFY(model.insertRows(0, 1));
        QVERIFY(model.index(0, 0).isValid());
        QVERIFY(model.setData(model.index(0, 0), QStringLiteral("Lobby")));
        QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("Lobby"));
        QCOMPARE(model.columnCount(), 0);
        QCOMPARE(model.GetItem(model.index(0, 0))->ColumnCount(), 1);

        auto* pItem = new CTreeViewItem;
        QVERIFY(model.insertRow(pItem, 0));
        QCOMPARE(model.index(0, 0).internalPointer(), static_cast<void*>(pItem));
        QVERIFY(model.setData(model.index(0, 5), QStringLiteral("10.0.0.9")));
        QCOMPARE(pItem->ColumnCount(), 6);
        QCOMPARE(model.GetItem(model.index(1, 0))->ColumnCount(), 1);
        QCOMPARE(model.index(0, 5).data().toString(), QStringLiteral("10.0.0.9"));
        QVERIFY(!model.index(0, 4).data().isValid());
        QVERIFY(!model.index(1, 7).data().isValid());
        QCOMPARE(int(model.flags(model.index(1, 7))), 0x39);

        // A column no node may have is refused by the node, without growth.
        const QModelIndex miFar = model.index(1, INT_MAX);
        QVERIFY(miFar.isValid());
        QTest::ignoreMessage(QtWarningMsg, "CTreeViewItem::SetData: iColumn < 0 || iColumn >= 65536");
        QVERIFY(!model.setData(miFar, 1));
        QCOMPARE(model.GetItem(model.index(1, 0))->ColumnCount(), 1);
        QVERIFY(!model.index(0, -1).isValid());

        QVERIFY(model.insertRows(0, 2, model.index(1, 3)));
        QCOMPARE(model.rowCount(model.index(1, 0)), 2);
        QCOMPARE(model.rowCount(model.index(1, 3)), 2);
        QVERIFY(model.setData(model.index(1, 2, model.index(1, 4)), QStringLiteral("Cam 2")));
        QCOMPARE(model.index(1, 2, model.index(1, 0)).data().toString(), QStringLiteral("Cam 2"));
        QCOMPARE(model.parent(model.index(1, 2, model.index(1, 4))), model.index(1, 0));
    }

    // The view draws and hit-tests cells that lie outside the header or past
    // a node's own columns without touching anything out of range.
    void viewOverGrownNodes()
    {
        CTreeViewModel model;
        CTreeView view;
        view.setModel(&model);
        view.resize(300, 200);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QVERIFY(model.insertRows(0, 2));
        QVERIFY(model.setData(model.index(1, 3), int(Qt::Checked), Qt::CheckStateRole));
        QVERIFY(model.setData(model.index(1, 0), QStringLiteral("Gate")));
        model.insertColumns(0, 1);
        QVERIFY(model.insertRows(0, 1, model.index(1, 2)));
        QVERIFY(model.setData(model.index(0, 4, model.index(1, 0)), int(Qt::Unchecked), Qt::CheckStateRole));
        view.expandAll();
        QVERIFY(view.visualRect(model.index(1, 3)).isEmpty());
        QVERIFY(!view.visualRect(model.index(0, 0, model.index(1, 0))).isEmpty());
        view.repaint();
        QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier,
                          view.visualRect(model.index(1, 0)).center());
        QCOMPARE(view.currentIndex(), model.index(1, 0));
    }

    // Inserting no rows succeeds without an announcement; bad bounds are
    // refused before anything is announced; columns are the root's whatever
    // the parent they are announced under.
    void insertionCountsAndParents_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("rows");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<int>("announced");
        QTest::newRow("no rows at the front") << 0 << 0 << true << 0;
        QTest::newRow("no rows at the end") << 2 << 0 << true << 0;
        QTest::newRow("no rows past the end") << 3 << 0 << false << 0;
        QTest::newRow("negative count") << 0 << -1 << false << 0;
        QTest::newRow("one row at the end") << 2 << 1 << true << 1;
    }

    void insertionCountsAndParents()
    {
        QFETCH(int, position);
        QFETCH(int, rows);
        QFETCH(bool, accepted);
        QFETCH(int, announced);
        CTreeViewModel model;
        model.insertColumns(0, 1);
        model.insertRows(0, 2);
        QSignalSpy spyAbout(&model, &QAbstractItemModel::rowsAboutToBeInserted);
        QSignalSpy spyInserted(&model, &QAbstractItemModel::rowsInserted);
        if (!accepted)
            QTest::ignoreMessage(QtWarningMsg, "CTreeViewModel::insertRows: position or rows out of range");
        QCOMPARE(model.insertRows(position, rows), accepted);
        QCOMPARE(spyAbout.count(), announced);
        QCOMPARE(spyInserted.count(), announced);
        QCOMPARE(model.rowCount(), 2 + (accepted ? rows : 0));

        QSignalSpy spyColumns(&model, &QAbstractItemModel::columnsInserted);
        QVERIFY(model.insertColumns(1, 2, model.index(0, 0)));
        QCOMPARE(model.columnCount(), 3);
        QCOMPARE(spyColumns.count(), 1);
        QCOMPARE(spyColumns.at(0).at(0).toModelIndex(), model.index(0, 0));
        QCOMPARE(spyColumns.at(0).mid(1), (QVariantList{1, 2}));

        // Indexes of another model are neither parents nor cells here.
        model.setHeaderData(0, Qt::Horizontal, QStringLiteral("Name"));
        CTreeViewModel other;
        other.insertRows(0, 1);
        const QModelIndex miForeign = other.index(0, 0);
        QCOMPARE(model.rowCount(miForeign), 0);
        QVERIFY(!model.index(0, 0, miForeign).isValid());
        QCOMPARE(model.GetItem(miForeign), model.RootItem());
        QVERIFY(!model.data(miForeign).isValid());
        QVERIFY(!model.setData(miForeign, QStringLiteral("x")));
        QCOMPARE(int(model.flags(miForeign)), 0x39);
        QTest::ignoreMessage(QtWarningMsg, "CTreeViewModel::insertRows: position or rows out of range");
        QVERIFY(!model.insertRows(0, 1, miForeign));
        QTest::ignoreMessage(QtWarningMsg, "CTreeViewModel::insertColumns: position or columns out of range");
        QVERIFY(!model.insertColumns(0, 1, miForeign));
        QCOMPARE(spyInserted.count(), announced);
    }

    void childInsertionBounds_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("valid");
        QTest::newRow("front") << 0 << 2 << true;
        QTest::newRow("end") << 3 << 0 << true;
        QTest::newRow("past end") << 4 << 1 << false;
        QTest::newRow("negative") << -1 << 1 << false;
    }

    void childInsertionBounds()
    {
        QFETCH(int, position);
        QFETCH(int, count);
        QFETCH(bool, valid);
        CTreeViewItem parent;
        parent.InsertChildren(0, 3, 0);
        if (!valid) {
            QTest::ignoreMessage(QtWarningMsg, "CTreeViewItem::InsertChildren: iPosition or iCount out of range");
            QTest::ignoreMessage(QtWarningMsg, "CTreeViewItem::RemoveChildren: iPosition or iCount out of range");
        }
        QCOMPARE(parent.InsertChildren(position, count, 0), valid);
        QCOMPARE(parent.ChildCount(), valid ? 3 + count : 3);
        QCOMPARE(parent.RemoveChildren(position, count), valid);
        QCOMPARE(parent.ChildCount(), 3);
    }

    void itemsHandedToTheModel()
    {
        CTreeViewModel model;
        FillTree(model);
        auto* pLone = new CTreeViewItem;
        pLone->SetText(0, QStringLiteral("Parking"));
        QVERIFY(model.insertRow(pLone, 1));
        QCOMPARE(model.index(1, 0).data().toString(), QStringLiteral("Parking"));
        QCOMPARE(pLone->parent(), model.RootItem());

        auto* pFirst = new CTreeViewItem;
        auto* pSecond = new CTreeViewItem;
        pSecond->SetText(0, QStringLiteral("Cam 5"));
        const QModelIndex miLobby = model.index(0, 0);
        QTest::ignoreMessage(QtWarningMsg, "CTreeViewModel::insertRows: row < 0 || row > rowCount(parent)");
        QVERIFY(!model.insertRows(3, {pFirst, pSecond}, miLobby));
        QVERIFY(model.insertRows(1, {pFirst, pSecond}, miLobby));
        QCOMPARE(model.index(2, 0, miLobby).data().toString(), QStringLiteral("Cam 5"));
        QCOMPARE(model.parent(model.index(2, 0, miLobby)), miLobby);
        QCOMPARE(pSecond->ChildNumber(), 2);

        model.Clear();
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(model.columnCount(), 2);
    }

    // A copy shares the children without owning them: deleting it must leave
    // them to the original.
    void copyDoesNotOwnChildren()
    {
        auto* pOriginal = new CTreeViewItem;
        pOriginal->SetText(0, QStringLiteral("Gate"));
        pOriginal->InsertChildren(0, 2, 0);
        auto* pCopy = new CTreeViewItem(*pOriginal);
        QCOMPARE(pCopy->data(0, Qt::DisplayRole).toString(), QStringLiteral("Gate"));
        QCOMPARE(pCopy->Child(1), pOriginal->Child(1));
        delete pCopy;
        QCOMPARE(pOriginal->ChildCount(), 2);
        pOriginal->Child(0)->SetText(0, QStringLiteral("still alive"));
        delete pOriginal;
    }

    // A few hundred random inserts, removals, moves through remove-and-insert and
    // edits at every depth, with the tester watching. The seed goes to the log
    // first (ORVA_SEED replays it): the tester ends the process on a failure.
    void testerWatchesRandomEdits()
    {
        const quint32 uSeed = qEnvironmentVariableIsSet("ORVA_SEED") ? quint32(qEnvironmentVariableIntValue("ORVA_SEED"))
                                                                     : QRandomGenerator::global()->generate();
        qInfo("random edit sequence, seed %u", uSeed);
        QRandomGenerator random(uSeed);
        CTreeViewModel model;
        ModelTest::CWatchedModel watched(&model);
        FillTree(model);
        for (int iStep = 0; iStep < 400; ++iStep) {
            // Any existing node (or the root) as the place of the next edit.
            QModelIndex miParent;
            for (int iDepth = 0; iDepth < 3 && model.rowCount(miParent) > 0 && random.bounded(3) > 0; ++iDepth)
                miParent = model.index(random.bounded(model.rowCount(miParent)), 0, miParent);
            const int iRows = model.rowCount(miParent);
            const int iAction = iRows > 0 ? random.bounded(5) : 0;
            if (iAction == 0) {
                QVERIFY(model.insertRows(random.bounded(iRows + 1), 1 + random.bounded(3), miParent));
            } else if (iAction == 1) {
                QVERIFY(model.removeRows(random.bounded(iRows), 1, miParent));
            } else if (iAction == 2) {
                auto* pMoved = new CTreeViewItem;
                pMoved->SetText(0, model.index(0, 0, miParent).data().toString());
                model.removeRows(0, 1, miParent);
                QVERIFY(model.insertRow(pMoved, model.rowCount(miParent), miParent));
            } else {
                QVERIFY(model.setData(model.index(random.bounded(iRows), random.bounded(2), miParent), iStep));
            }
        }
    }

    // An exact column beats the wildcard -1; another role has no mapping. The
    // copy must carry the mappings.
    void keyMapping()
    {
        CModelKeyMapping original;
        original.AddMapping(-1, 0, 2, 0);
        original.AddMapping(1, 0, 3, 0);
        const CModelKeyMapping mapping = original;
        QVector<int> vecColumns;
        for (const QPoint& pt : {QPoint(1, 0), QPoint(7, 0), QPoint(1, 6)}) {
            int iColumn = -5;
            int iRole = -5;
            vecColumns << (mapping.GetMapping(pt.x(), pt.y(), iColumn, iRole) ? iColumn : -1);
        }
        QCOMPARE(vecColumns, (QVector<int>{3, 2, -1}));
    }

    void standardItemRoles()
    {
        CStandardItem item(QStringLiteral("Cam 1"));
        item.setData(QStringLiteral("Cam 1 (offline)"), DisplayExRole);
        QCOMPARE(item.data(Qt::DisplayRole).toString(), QStringLiteral("Cam 1 (offline)"));
        QPixmap pixmap(8, 8);
        pixmap.fill(Qt::red);
        item.setData(pixmap, DecorationExRole);
        QCOMPARE(item.data(Qt::DecorationRole).value<QPixmap>().size(), QSize(8, 8));
        std::unique_ptr<QStandardItem> pClone(item.clone());
        QVERIFY(dynamic_cast<CStandardItem*>(pClone.get()));
        QCOMPARE(pClone->data(Qt::DisplayRole).toString(), QStringLiteral("Cam 1 (offline)"));
    }

    void disabledLook()
    {
        CStandardItem item(QStringLiteral("Cam 2"));
        item.setForeground(QBrush(Qt::green));
        item.SetEnabled(false);
        QCOMPARE(item.data(ItemFlagsRole).toInt(), 0);
        QCOMPARE(item.data(Qt::ForegroundRole).value<QBrush>(), QPalette().brush(QPalette::Disabled, QPalette::WindowText));
        QVERIFY(item.flags() & Qt::ItemIsEditable);
        item.SetEnabled(true);
        QCOMPARE(item.data(ItemFlagsRole).toInt(), int(Qt::ItemIsEnabled));
        QCOMPARE(item.data(Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::green));
        QMap<int, QVariant> mapRoles;
        mapRoles.insert(Qt::ToolTipRole, QStringLiteral("north gate"));
        mapRoles.insert(Qt::DisplayRole, QStringLiteral("Cam 3"));
        QVERIFY(item.SetItemData(mapRoles));
        QCOMPARE(item.text() + item.toolTip(), QStringLiteral("Cam 3north gate"));
    }

    void modelReadsThroughMapping()
    {
        CStandardItemModel model;
        ModelTest::CWatchedModel watched(&model);
        model.appendRow({new QStandardItem(QStringLiteral("Cam 1")), new QStandardItem(QStringLiteral("10.0.0.1"))});
        QVERIFY(dynamic_cast<const CStandardItem*>(model.itemPrototype()));
        model.AddMapping(0, Qt::ToolTipRole, 1, Qt::DisplayRole);
        QCOMPARE(model.index(0, 0).data(Qt::ToolTipRole).toString(), QStringLiteral("10.0.0.1"));
        QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("Cam 1"));
        model.setColumnCount(4);
        QVERIFY(dynamic_cast<CStandardItem*>(model.itemFromIndex(model.index(0, 3))));
    }

    // Any keyword of the first column's header, in any letter case, paints the
    // row's text red.
    void keywordHighlight()
    {
        CStandardItemModel model;
        for (const char* pszText : {"Plate ab123cd", "truck at gate", "Plate XY999ZZ"})
            model.appendRow(new QStandardItem(QLatin1String(pszText)));
        model.setHorizontalHeaderItem(0, new QStandardItem(QStringLiteral("Record")));
        model.setHeaderData(0, Qt::Horizontal, QStringList{QString(), QStringLiteral("AB123"), QStringLiteral("TRUCK")},
                            HighlightKeywordsRole);
        QCOMPARE(model.index(0, 0).data(Qt::ForegroundRole).value<QColor>(), QColor(220, 82, 82, 255));
        QCOMPARE(model.index(1, 0).data(Qt::ForegroundRole).value<QColor>(), QColor(220, 82, 82, 255));
        QVERIFY(!model.index(2, 0).data(Qt::ForegroundRole).isValid());
    }

    // Announced when a role's value goes; a slot may delete the model.
    void removeKeyRoleSignal()
    {
        QPointer<CStandardItemModel> pModel = new CStandardItemModel;
        pModel->appendRow(new QStandardItem(QStringLiteral("Cam 1")));
        QSignalSpy spy(pModel.data(), &CStandardItemModel::SignalRemoveKeyRole);
        pModel->setData(pModel->index(0, 0), QStringLiteral("note"), Qt::ToolTipRole);
        QCOMPARE(spy.count(), 0);
        pModel->setData(pModel->index(0, 0), QVariant(), Qt::ToolTipRole);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(1).toInt(), int(Qt::ToolTipRole));
        pModel->OnRemoveAllRows();
        QCOMPARE(pModel->rowCount(), 0);
        pModel->appendRow(new QStandardItem(QStringLiteral("Cam 2")));
        connect(pModel, &CStandardItemModel::SignalRemoveKeyRole, pModel, [&pModel] { delete pModel.data(); });
        pModel->setData(pModel->index(0, 0), QVariant(), Qt::DisplayRole);
        QVERIFY(pModel.isNull());
    }

    void tableMissingCells_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::newRow("row past end") << 2 << 0;
        QTest::newRow("negative row") << -1 << 0;
        QTest::newRow("column past end") << 0 << 5;
    }

    void tableMissingCells()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        CTableWidget table;
        table.SetColumnCount(2);
        table.AddBottomLevelItem();
        table.AddBottomLevelItem();
        QVERIFY(!table.SetCheckState(row, column, true));
        QVERIFY(!table.SetFlags(row, column, Qt::ItemIsEnabled));
        QCOMPARE(int(table.GetFlags(row, column)), 0);
        QVERIFY(table.GetText(row, column).isEmpty());
        QVERIFY(!table.GetUserDefineData(row, column, Qt::CheckStateRole).isValid());
        QCOMPARE(table.InsertItem(row == 0 ? 2 : row), -1);
        QCOMPARE(table.TopLevelItemCount(), 2);
    }

    // Text past the last column adds columns and a tooltip; a bare count gives
    // numbered labels; a check box drops a label's padding.
    void tableTextAndHeader()
    {
        CTableWidget numbered;
        numbered.SetColumnCount(3);
        QCOMPARE(numbered.model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("2"));
        CTableWidget table;
        table.SetHeaderLabels({QStringLiteral("  Plate")});
        table.AddBottomLevelItem();
        QVERIFY(table.SetText(0, 2, QStringLiteral("ABC-123")));
        QCOMPARE(table.model()->columnCount(), 3);
        QCOMPARE(table.GetUserDefineData(0, 2, Qt::ToolTipRole).toString(), QStringLiteral("ABC-123"));
        QCOMPARE(table.model()->headerData(0, Qt::Horizontal, Qt::ToolTipRole).toString(), QStringLiteral("  Plate"));
        QVERIFY(table.SetHeaderCheckState(0, true));
        QCOMPARE(table.model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Plate"));
        QCOMPARE(table.model()->headerData(0, Qt::Horizontal, Qt::CheckStateRole).toInt(), int(Qt::Checked));
        QVERIFY(table.SetHeaderCheckable(0, true));
        QVERIFY(table.model()->headerData(0, Qt::Horizontal, HeaderCheckableRole).toBool());
    }

    void tableRowOperations()
    {
        CTableWidget table;
        table.SetColumnCount(1);
        QCOMPARE(table.AddBottomLevelItem(), 0);
        QCOMPARE(table.AddBottomLevelItem(), 1);
        table.SetText(0, 0, QStringLiteral("first"));
        table.SetText(1, 0, QStringLiteral("second"));
        QVERIFY(table.AddTopLevelItem());
        QCOMPARE(table.InsertItem(2), 2);
        QCOMPARE(table.GetText(3, 0), QStringLiteral("second"));
        auto* pItem = new CTreeViewItem;
        QVERIFY(table.AddTopLevelItems({pItem}));
        QCOMPARE(table.GetItemFromIndex(table.GetIndex(4, 0)), pItem);
        QVERIFY(!table.GetItemFromIndex(QModelIndex()));
        QVERIFY(table.TakeBottomLevelRow());
        QVERIFY(table.RemoveItem(0));
        QCOMPARE(table.TopLevelItemCount(), 3);
        QCOMPARE(table.GetText(0, 0), QStringLiteral("first"));
        table.Clear();
        QCOMPARE(table.TopLevelItemCount(), 0);
        QVERIFY(!table.TakeBottomLevelRow());
    }

    void tableFlagsWithoutSignal()
    {
        CTableWidget table;
        table.SetColumnCount(2);
        table.AddBottomLevelItem();
        QSignalSpy spy(table.model(), &QAbstractItemModel::dataChanged);
        QVERIFY(table.SetFlags(0, 1, Qt::ItemIsEnabled | Qt::ItemIsEditable));
        QCOMPARE(int(table.GetFlags(0, 1)), int(Qt::ItemIsEnabled | Qt::ItemIsEditable));
        QCOMPARE(int(table.GetFlags(0, 0)), 0x39);
        QCOMPARE(spy.count(), 0);
    }

    void tableKeepsItsModel()
    {
        CTableWidget table;
        QAbstractItemModel* pOwn = table.model();
        CTreeViewModel other;
        QtMessageHandler pPrevious = qInstallMessageHandler(&CountMessage);
        s_iMessages = 0;
        table.setModel(&other);
        qInstallMessageHandler(pPrevious);
        QCOMPARE(table.model(), pOwn);
        QCOMPARE(s_iMessages, 0);
    }

    void tableOneClickEditsEditableCell()
    {
        CTableWidget table;
        table.resize(400, 200);
        table.SetHeaderLabels({QStringLiteral("Plate"), QStringLiteral("Owner")});
        table.AddBottomLevelItem();
        table.SetText(0, 1, QStringLiteral("J. Doe"));
        table.SetFlags(0, 1, Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
        table.setEditTriggers(QAbstractItemView::DoubleClicked);
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        QTest::mouseClick(table.viewport(), Qt::LeftButton, Qt::NoModifier, table.visualRect(table.GetIndex(0, 0)).center());
        QVERIFY(!table.viewport()->findChild<QLineEdit*>());
        QTest::mouseClick(table.viewport(), Qt::LeftButton, Qt::NoModifier, table.visualRect(table.GetIndex(0, 1)).center());
        auto* pEditor = table.viewport()->findChild<QLineEdit*>();
        QVERIFY(pEditor && pEditor->text() == QStringLiteral("J. Doe"));
    }
};

QTEST_MAIN(TestItemModels)
#include "tst_itemmodels.moc"
