#include <OrvaGUIToolkit/ItemView/ItemDataRole.h>
#include <OrvaGUIToolkit/ItemView/TableWidget.h>
#include <OrvaGUIToolkit/ItemView/TreeViewItem.h>
#include <OrvaGUIToolkit/ItemView/TreeViewModel.h>

#include <QtTest/QtTest>
#include <QtWidgets/QLineEdit>

using namespace OrvaGUIToolkit;

class TestTableWidget : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void setTextAddsColumn();
    void missingCells_data();
    void missingCells();
    void columnCountLabels();
    void headerCheckStateDropsPadding();
    void rowOperations();
    void flagsWithoutSignal();
    void modelCannotBeReplaced();
    void oneClickEditsEditableCell();
};

void TestTableWidget::setTextAddsColumn()
{
    CTableWidget table;
    table.SetHeaderLabels({QStringLiteral("Plate")});
    table.AddBottomLevelItem();
    QVERIFY(table.SetText(0, 2, QStringLiteral("ABC-123")));
    QCOMPARE(table.model()->columnCount(), 3);
    QCOMPARE(table.GetText(0, 2), QStringLiteral("ABC-123"));
    QCOMPARE(table.GetUserDefineData(0, 2, Qt::ToolTipRole).toString(), QStringLiteral("ABC-123"));
    QCOMPARE(table.model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Plate"));
    QCOMPARE(table.model()->headerData(0, Qt::Horizontal, Qt::ToolTipRole).toString(), QStringLiteral("Plate"));
}

void TestTableWidget::missingCells_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::newRow("row past end") << 2 << 0;
    QTest::newRow("negative row") << -1 << 0;
    QTest::newRow("column past end") << 0 << 5;
}

void TestTableWidget::missingCells()
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
    QCOMPARE(table.TopLevelItemCount(), 2);
    QCOMPARE(table.InsertItem(row == 0 ? 2 : row), -1);
}

void TestTableWidget::columnCountLabels()
{
    CTableWidget table;
    table.SetColumnCount(3);
    QCOMPARE(table.model()->columnCount(), 3);
    for (int iSection = 0; iSection < 3; ++iSection)
        QCOMPARE(table.model()->headerData(iSection, Qt::Horizontal).toString(), QString::number(iSection));
}

void TestTableWidget::headerCheckStateDropsPadding()
{
    CTableWidget table;
    table.SetHeaderLabels({QStringLiteral("  Camera"), QStringLiteral("Status")});
    QVERIFY(table.SetHeaderCheckState(0, true));
    QCOMPARE(table.model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Camera"));
    QCOMPARE(table.model()->headerData(0, Qt::Horizontal, Qt::CheckStateRole).toInt(), int(Qt::Checked));
    QVERIFY(table.SetHeaderCheckable(0, true));
    QVERIFY(table.model()->headerData(0, Qt::Horizontal, HeaderCheckableRole).toBool());
}

void TestTableWidget::rowOperations()
{
    CTableWidget table;
    table.SetColumnCount(1);
    QCOMPARE(table.AddBottomLevelItem(), 0);
    QCOMPARE(table.AddBottomLevelItem(), 1);
    table.SetText(0, 0, QStringLiteral("first"));
    table.SetText(1, 0, QStringLiteral("second"));
    QVERIFY(table.AddTopLevelItem());
    QCOMPARE(table.GetText(1, 0), QStringLiteral("first"));
    QCOMPARE(table.InsertItem(2), 2);
    QCOMPARE(table.GetText(3, 0), QStringLiteral("second"));
    auto* pItem = new CTreeViewItem;
    pItem->SetText(0, QStringLiteral("appended"));
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

void TestTableWidget::flagsWithoutSignal()
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

void TestTableWidget::modelCannotBeReplaced()
{
    CTableWidget table;
    QAbstractItemModel* pOwn = table.model();
    CTreeViewModel other;
    QTest::ignoreMessage(QtWarningMsg, "CTableWidget::setModel: the table keeps its own model");
    table.setModel(&other);
    QCOMPARE(table.model(), pOwn);
}

void TestTableWidget::oneClickEditsEditableCell()
{
    CTableWidget table;
    table.resize(400, 200);
    table.SetHeaderLabels({QStringLiteral("Plate"), QStringLiteral("Owner")});
    table.AddBottomLevelItem();
    table.SetText(0, 0, QStringLiteral("ABC-123"));
    table.SetText(0, 1, QStringLiteral("J. Doe"));
    table.SetFlags(0, 1, Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
    table.setEditTriggers(QAbstractItemView::DoubleClicked);
    table.show();
    QVERIFY(QTest::qWaitForWindowExposed(&table));
    QTest::mouseClick(table.viewport(), Qt::LeftButton, Qt::NoModifier,
                      table.visualRect(table.GetIndex(0, 0)).center());
    QVERIFY(!table.viewport()->findChild<QLineEdit*>());
    QTest::mouseClick(table.viewport(), Qt::LeftButton, Qt::NoModifier,
                      table.visualRect(table.GetIndex(0, 1)).center());
    auto* pEditor = table.viewport()->findChild<QLineEdit*>();
    QVERIFY(pEditor);
    QCOMPARE(pEditor->text(), QStringLiteral("J. Doe"));
}

QTEST_MAIN(TestTableWidget)
#include "tst_tablewidget.moc"
