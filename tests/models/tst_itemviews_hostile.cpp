#include <OrvaGUIToolkit/ComboBox/ComboBox.h>
#include <OrvaGUIToolkit/ItemView/HeaderView.h>
#include <OrvaGUIToolkit/ItemView/ItemDataRole.h>
#include <OrvaGUIToolkit/ItemView/StandardItemModel.h>
#include <OrvaGUIToolkit/ItemView/TableDelegate.h>
#include <OrvaGUIToolkit/ItemView/TableWidget.h>
#include <OrvaGUIToolkit/ItemView/TreeView.h>
#include <OrvaGUIToolkit/ItemView/TreeViewItem.h>
#include <OrvaGUIToolkit/ItemView/TreeViewModel.h>

#include <QtCore/QRegularExpression>
#include <QtGui/QPainter>
#include <QtTest/QtTest>
#include <QtWidgets/QLineEdit>

#include <climits>
#include <cmath>
#include <limits>

using namespace OrvaGUIToolkit;

class TestItemViewsHostile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void modelExtremes_data();
    void modelExtremes();
    void itemInsertedUnderItself();
    void itemHandedOverTwice();
    void removingRowsWhileCheckPropagates();
    void viewsWithoutModel();
    void delegateNullArguments();
    void oddCellValues_data();
    void oddCellValues();
    void hugeTexts();
    void deletingSlots_data();
    void deletingSlots();
};

namespace {

const QRegularExpression s_reAnyToolkitWarning(QStringLiteral("^C[A-Za-z]+::[A-Za-z]+: .+"));

void IgnoreToolkitWarnings(int iCount)
{
    for (int i = 0; i < iCount; ++i)
        QTest::ignoreMessage(QtWarningMsg, s_reAnyToolkitWarning);
}

void FillTable(CTableWidget& table)
{
    table.SetHeaderLabels({QStringLiteral("Camera"), QStringLiteral("Level"), QStringLiteral("Actions")});
    for (int iRow = 0; iRow < 3; ++iRow) {
        table.AddBottomLevelItem();
        table.SetText(iRow, 0, QStringLiteral("Cam %1").arg(iRow));
        table.SetCheckState(iRow, 0, false);
    }
}

} // namespace

void TestItemViewsHostile::modelExtremes_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::newRow("INT_MIN") << INT_MIN << INT_MIN;
    QTest::newRow("INT_MAX") << INT_MAX << INT_MAX;
    QTest::newRow("-1") << -1 << -1;
    QTest::newRow("row past end") << 3 << 0;
    QTest::newRow("column INT_MAX") << 0 << INT_MAX;
}

void TestItemViewsHostile::modelExtremes()
{
    QFETCH(int, row);
    QFETCH(int, column);
    CTreeViewModel model;
    model.insertColumns(0, 2);
    model.insertRows(0, 3);
    QVERIFY(!model.index(row, column).isValid());
    QVERIFY(!model.data(model.index(row, column)).isValid());
    QVERIFY(!model.setData(model.index(row, column), 1));
    QVERIFY(!model.headerData(column, Qt::Horizontal, INT_MIN).isValid());
    IgnoreToolkitWarnings(4);
    QVERIFY(!model.insertRows(row, INT_MAX));
    QVERIFY(!model.removeRows(row, INT_MAX));
    QVERIFY(!model.insertColumns(column, INT_MAX));
    QVERIFY(!model.removeColumns(column, INT_MAX));
    if (column < 0 || column >= 65536) {
        IgnoreToolkitWarnings(1);
        QVERIFY(!model.setHeaderData(column, Qt::Horizontal, QStringLiteral("x")));
    }
    CTreeViewItem* pItem = model.GetItem(model.index(0, 0));
    QVERIFY(!pItem->Child(row));
    QVERIFY(!pItem->data(column, INT_MAX).isValid());
    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(model.columnCount(), 2);
    CTableWidget table;
    IgnoreToolkitWarnings(1);
    table.SetColumnCount(INT_MAX);
    QCOMPARE(table.model()->columnCount(), 0);
    if (column < 0 || column >= 65536)
        IgnoreToolkitWarnings(1);
    QVERIFY(!table.SetText(row, column, QStringLiteral("x")));
    QCOMPARE(table.InsertItem(row), -1);
}

void TestItemViewsHostile::itemInsertedUnderItself()
{
    CTreeViewModel model;
    model.insertColumns(0, 1);
    auto* pArea = new CTreeViewItem;
    auto* pDevice = new CTreeViewItem;
    QVERIFY(model.insertRow(pArea, 0));
    QVERIFY(model.insertRow(pDevice, 0, model.index(0, 0)));
    QTest::ignoreMessage(QtWarningMsg, "CTreeViewItem::InsertChild: pItem is this item or one of its ancestors");
    QVERIFY(!pDevice->InsertChild(0, pDevice));
    QTest::ignoreMessage(QtWarningMsg, "CTreeViewItem::InsertChild: pItem is this item or one of its ancestors");
    QVERIFY(!pDevice->InsertChild(0, pArea));
    auto* pOther = new CTreeViewItem;
    QVERIFY(model.insertRow(pOther, 1));
    QTest::ignoreMessage(QtWarningMsg, "CTreeViewItem::InsertChild: pItem already has a holder");
    QVERIFY(!pDevice->InsertChild(0, pOther));
    QTest::ignoreMessage(QtWarningMsg, "CTreeViewItem::InsertChild: pItem == NULL");
    QVERIFY(!pDevice->InsertChild(0, nullptr));
    QTest::ignoreMessage(QtWarningMsg, "CTreeViewModel::insertRow: pItem is this item or one of its ancestors");
    QVERIFY(!model.insertRow(pArea, 0, model.index(0, 0, model.index(0, 0))));
    QCOMPARE(pDevice->ChildCount(), 0);
}

// Inserting one item twice would make two lists own it and delete it twice.
void TestItemViewsHostile::itemHandedOverTwice()
{
    CTreeViewModel model;
    model.insertColumns(0, 1);
    auto* pItem = new CTreeViewItem;
    QTest::ignoreMessage(QtWarningMsg, "CTreeViewModel::insertRows: an item is listed twice");
    QVERIFY(!model.insertRows(0, {pItem, pItem}));
    QVERIFY(model.insertRows(0, {pItem}));
    QTest::ignoreMessage(QtWarningMsg, "CTreeViewModel::insertRows: pItem already has a holder");
    QVERIFY(!model.insertRows(1, {pItem}));
    QVERIFY(model.removeRows(0, 1));
    QCOMPARE(model.rowCount(), 0);
}

// A slot of the model removes the rows being checked; the view must neither
// crash nor touch removed nodes.
void TestItemViewsHostile::removingRowsWhileCheckPropagates()
{
    CTreeViewModel model;
    model.insertColumns(0, 1);
    model.insertRows(0, 2);
    for (int iDevice = 0; iDevice < 2; ++iDevice) {
        model.GetItem(model.index(iDevice, 0))->SetCheckBoxState(0, false);
        model.insertRows(0, 4, model.index(iDevice, 0));
        for (int iChannel = 0; iChannel < 4; ++iChannel)
            model.GetItem(model.index(iChannel, 0, model.index(iDevice, 0)))->SetCheckBoxState(0, false);
    }
    CTreeView view;
    view.setModel(&model);
    int iRemovals = 0;
    connect(&model, &QAbstractItemModel::dataChanged, &model, [&](const QModelIndex& miIndex) {
        if (miIndex.parent().isValid() && miIndex.row() == 1 && iRemovals++ < 3)
            model.removeRows(0, model.rowCount(miIndex.parent()), miIndex.parent());
    });
    model.setData(model.index(0, 0), Qt::Checked, Qt::CheckStateRole);
    QCOMPARE(model.rowCount(model.index(0, 0)), 0);
    model.setData(model.index(1, 0), Qt::Checked, Qt::CheckStateRole);
    model.removeRows(0, 2);
    QCOMPARE(model.rowCount(), 0);
}

void TestItemViewsHostile::viewsWithoutModel()
{
    CTreeView view;
    view.setModel(nullptr);
    view.ExpandAll(QModelIndex());
    view.CollapseAll(QModelIndex());
    CTreeView::ExpandState enumState = CTreeView::PartlyExpanded;
    QVERIFY(!view.GetExpandState(enumState, QModelIndex()));
    QCOMPARE(enumState, CTreeView::PartlyExpanded);
    view.SetColumnResizeToContents(3);
    view.resize(200, 100);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QSignalSpy spy(&view, QOverload<QModelIndex>::of(&CAbstractItemView::SignalClicked));
    QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
    QCOMPARE(spy.count(), 1);
    QVERIFY(!spy.at(0).at(0).toModelIndex().isValid());
    QTest::qWait(80);
    auto* pHeader = qobject_cast<CHeaderView*>(view.header());
    QVERIFY(pHeader);
    pHeader->OnUpdateCheckState();
    pHeader->OnDataChanged(QModelIndex());
    QTest::mouseClick(pHeader->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
}

void TestItemViewsHostile::delegateNullArguments()
{
    CTableWidget table;
    FillTable(table);
    auto* pDelegate = qobject_cast<CTableDelegate*>(table.itemDelegate());
    QVERIFY(pDelegate);
    const QModelIndex miCell = table.GetIndex(0, 0);
    QVERIFY(!pDelegate->helpEvent(nullptr, &table, QStyleOptionViewItem(), miCell));
    QCOMPARE(pDelegate->OnMouseEvent(nullptr, &table, QStyleOptionViewItem(), miCell), NoItemRole);
    pDelegate->OnHoverEvent(nullptr, nullptr, QStyleOptionViewItem(), miCell);
    pDelegate->paint(nullptr, QStyleOptionViewItem(), miCell);
    QVERIFY(!pDelegate->createEditor(table.viewport(), QStyleOptionViewItem(), QModelIndex()));
    pDelegate->setModelData(nullptr, table.model(), miCell);
    pDelegate->setModelData(table.viewport(), nullptr, miCell);
    pDelegate->updateEditorGeometry(nullptr, QStyleOptionViewItem(), miCell);
    CTableDelegate orphan(nullptr);
    QImage image(50, 20, QImage::Format_ARGB32);
    QPainter painter(&image);
    QStyleOptionViewItem option;
    option.rect = image.rect();
    table.SetUserDefineData(0, 0, 50, ProgressRole);
    orphan.paint(&painter, option, miCell);
    QCOMPARE(orphan.CheckMousePos(QPoint(5, 5), option, miCell), NoItemRole);
}

void TestItemViewsHostile::oddCellValues_data()
{
    QTest::addColumn<int>("role");
    QTest::addColumn<QVariant>("value");
    const double dNaN = std::numeric_limits<double>::quiet_NaN();
    const double dInf = std::numeric_limits<double>::infinity();
    QTest::newRow("progress INT_MIN") << int(ProgressRole) << QVariant(INT_MIN);
    QTest::newRow("progress INT_MAX") << int(ProgressRole) << QVariant(INT_MAX);
    QTest::newRow("progress NaN") << int(ProgressRole) << QVariant(dNaN);
    QTest::newRow("check state inf") << int(Qt::CheckStateRole) << QVariant(dInf);
    QTest::newRow("check state INT_MIN") << int(Qt::CheckStateRole) << QVariant(INT_MIN);
    QTest::newRow("alignment INT_MAX") << int(PixmapAlignmentRole) << QVariant(INT_MAX);
    QTest::newRow("show state INT_MIN") << int(PixmapShowStateRole) << QVariant(INT_MIN);
    QTest::newRow("combo index INT_MAX") << int(ComboCurrentIndexRole) << QVariant(INT_MAX);
    QTest::newRow("max length INT_MIN") << int(EditMaxLengthRole) << QVariant(INT_MIN);
    QTest::newRow("cover colour invalid") << int(CoverColorRole) << QVariant(QColor());
    QTest::newRow("image of wrong type") << int(Pixmap2Role) << QVariant(QStringLiteral("not a pixmap"));
    QTest::newRow("combo items of wrong type") << int(ComboItemsRole) << QVariant(42);
    QTest::newRow("invalid date-time") << int(DateTimeEditRole) << QVariant(QDateTime(QDate(2026, 2, 30), QTime()));
    QTest::newRow("invalid date") << int(DateEditRole) << QVariant(QDate(-1, 13, 40));
    QTest::newRow("date of wrong type") << int(DateEditRole) << QVariant(QStringLiteral("yesterday"));
}

// Whatever a cell holds, painting, hit tests and editors keep working.
void TestItemViewsHostile::oddCellValues()
{
    QFETCH(int, role);
    QFETCH(QVariant, value);
    CTableWidget table;
    FillTable(table);
    table.resize(400, 200);
    table.SetUserDefineData(1, 1, value, role);
    table.SetUserDefineData(1, 1, QPixmap(16, 16), Pixmap1Role);
    table.show();
    QVERIFY(QTest::qWaitForWindowExposed(&table));
    table.grab();
    auto* pDelegate = qobject_cast<CTableDelegate*>(table.itemDelegate());
    QStyleOptionViewItem option;
    option.rect = table.visualRect(table.GetIndex(1, 1));
    const QModelIndex miCell = table.GetIndex(1, 1);
    pDelegate->CheckMousePos(option.rect.center(), option, miCell);
    std::unique_ptr<QWidget> pEditor(pDelegate->createEditor(table.viewport(), option, miCell));
    QVERIFY(pEditor);
    pDelegate->setEditorData(pEditor.get(), miCell);
    pDelegate->updateEditorGeometry(pEditor.get(), option, miCell);
    pDelegate->setModelData(pEditor.get(), table.model(), miCell);
    QVERIFY(table.GetIndex(1, 1).isValid());
}

void TestItemViewsHostile::hugeTexts()
{
    const QString strHuge(1 << 20, QLatin1Char('A'));
    CTableWidget table;
    FillTable(table);
    QVERIFY(table.SetText(1, 1, strHuge));
    QCOMPARE(table.GetText(1, 1).size(), 1 << 20);
    table.SetHeaderLabel(1, strHuge);
    table.resize(300, 200);
    table.show();
    QVERIFY(QTest::qWaitForWindowExposed(&table));
    table.grab();
    CStandardItemModel model;
    model.appendRow(new QStandardItem(strHuge));
    model.setHeaderData(0, Qt::Horizontal, QStringList{strHuge.left(1000).toLower(), QString()},
                        HighlightKeywordsRole);
    QCOMPARE(model.index(0, 0).data(Qt::ForegroundRole).value<QColor>(), QColor(220, 82, 82));
}

void TestItemViewsHostile::deletingSlots_data()
{
    QTest::addColumn<QString>("signal");
    QTest::newRow("SignalClicked(index)") << QStringLiteral("cell");
    QTest::newRow("SignalClicked(index, role)") << QStringLiteral("image");
    QTest::newRow("SignalHeadClicked") << QStringLiteral("head");
    QTest::newRow("SignalHeaderCheckStateChanged") << QStringLiteral("headerState");
    QTest::newRow("SignalComboBoxTextChanged") << QStringLiteral("combo");
    QTest::newRow("SignalEditingFinished") << QStringLiteral("edit");
    QTest::newRow("SignalRemoveKeyRole") << QStringLiteral("removeKey");
}

// A slot that deletes the control the signal came from: the control must
// not touch itself afterwards.
void TestItemViewsHostile::deletingSlots()
{
    QFETCH(QString, signal);
    QPointer<CTableWidget> pTable = new CTableWidget;
    FillTable(*pTable);
    pTable->SetHeaderCheckState(0, false);
    pTable->SetHeaderCheckable(0, true);
    pTable->SetUserDefineData(1, 2, QPixmap(16, 16), Pixmap1Role);
    pTable->resize(400, 200);
    pTable->show();
    QVERIFY(QTest::qWaitForWindowExposed(pTable.data()));
    const auto deleteTable = [&pTable]() { delete pTable.data(); };
    auto* pDelegate = qobject_cast<CTableDelegate*>(pTable->itemDelegate());
    auto* pHeader = qobject_cast<CHeaderView*>(pTable->header());
    const QRect rectImage = pTable->visualRect(pTable->GetIndex(1, 2));
    QStyleOptionViewItem optionHeader;
    optionHeader.initFrom(pHeader);
    optionHeader.features = QStyleOptionViewItem::HasCheckIndicator;
    optionHeader.rect = QRect(0, 0, pHeader->sectionSize(0), pHeader->height());
    const QPoint posCheck =
        pHeader->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &optionHeader, pHeader).center();
    if (signal == QLatin1String("cell")) {
        connect(pTable, QOverload<QModelIndex>::of(&CAbstractItemView::SignalClicked), deleteTable);
        QTest::mouseClick(pTable->viewport(), Qt::LeftButton, Qt::NoModifier, rectImage.center());
    } else if (signal == QLatin1String("image")) {
        connect(pTable, QOverload<QModelIndex, CItemDataRole>::of(&CAbstractItemView::SignalClicked), deleteTable);
        QTest::mouseClick(pTable->viewport(), Qt::LeftButton, Qt::NoModifier, rectImage.topLeft() + QPoint(8, 8));
    } else if (signal == QLatin1String("head")) {
        connect(pHeader, &CHeaderView::SignalHeadClicked, deleteTable);
        QTest::mouseClick(pHeader->viewport(), Qt::LeftButton, Qt::NoModifier, posCheck);
    } else if (signal == QLatin1String("headerState")) {
        connect(pTable, &CAbstractItemView::SignalHeaderCheckStateChanged, deleteTable);
        QTest::mouseClick(pHeader->viewport(), Qt::LeftButton, Qt::NoModifier, posCheck);
    } else if (signal == QLatin1String("combo")) {
        pTable->SetUserDefineData(0, 1, QStringList{QStringLiteral("Low"), QStringLiteral("High")}, ComboItemsRole);
        std::unique_ptr<QWidget> pEditor(
            pDelegate->createEditor(nullptr, QStyleOptionViewItem(), pTable->GetIndex(0, 1)));
        connect(pTable, &CAbstractItemView::SignalComboBoxTextChanged, deleteTable);
        pDelegate->setModelData(pEditor.get(), pTable->model(), pTable->GetIndex(0, 1));
    } else if (signal == QLatin1String("edit")) {
        QLineEdit edit(QStringLiteral("Cam 9"));
        connect(pTable, &CAbstractItemView::SignalEditingFinished, deleteTable);
        pDelegate->setModelData(&edit, pTable->model(), pTable->GetIndex(0, 0));
    } else {
        delete pTable.data();
        auto* pModel = new CStandardItemModel;
        pModel->appendRow(new QStandardItem(QStringLiteral("Cam 1")));
        connect(pModel, &CStandardItemModel::SignalRemoveKeyRole, [pModel]() { delete pModel; });
        QSignalSpy spy(pModel, &QObject::destroyed);
        pModel->setData(pModel->index(0, 0), QVariant(), Qt::ToolTipRole);
        QCOMPARE(spy.count(), 1);
        return;
    }
    QVERIFY(pTable.isNull());
}

QTEST_MAIN(TestItemViewsHostile)
#include "tst_itemviews_hostile.moc"
