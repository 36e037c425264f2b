#include <OrvaGUIToolkit/ItemView/ItemDataRole.h>
#include <OrvaGUIToolkit/ItemView/ModelKeyMapping.h>
#include <OrvaGUIToolkit/ItemView/StandardItem.h>
#include <OrvaGUIToolkit/ItemView/StandardItemModel.h>

#include "ModelTesterSupport.h"

#include <QtGui/QPalette>
#include <QtTest/QtTest>

using namespace OrvaGUIToolkit;

class TestStandardItemModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void mapping_data();
    void mapping();
    void overrideRoles();
    void disabledLook();
    void modelReadsThroughMapping();
    void keywordHighlight_data();
    void keywordHighlight();
    void removeKeyRoleSignal();
    void testerWatchesEdits();
};

void TestStandardItemModel::mapping_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("role");
    QTest::addColumn<bool>("found");
    QTest::addColumn<int>("targetColumn");
    QTest::newRow("exact beats wildcard") << 1 << 0 << true << 3;
    QTest::newRow("wildcard column 0") << 0 << 0 << true << 2;
    QTest::newRow("wildcard column 7") << 7 << 0 << true << 2;
    QTest::newRow("other role") << 1 << 6 << false << -5;
}

void TestStandardItemModel::mapping()
{
    QFETCH(int, column);
    QFETCH(int, role);
    QFETCH(bool, found);
    QFETCH(int, targetColumn);
    CModelKeyMapping mapping;
    mapping.AddMapping(-1, 0, 2, 0);
    mapping.AddMapping(1, 0, 3, 0);
    int iColumn = -5;
    int iRole = -5;
    QCOMPARE(mapping.GetMapping(column, role, iColumn, iRole), found);
    QCOMPARE(iColumn, targetColumn);
    const CModelKeyMapping copy = mapping;
    QCOMPARE(copy.GetMapping(column, role, iColumn, iRole), found);
}

void TestStandardItemModel::overrideRoles()
{
    CStandardItem item(QStringLiteral("Cam 1"));
    QCOMPARE(item.data(Qt::DisplayRole).toString(), QStringLiteral("Cam 1"));
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

void TestStandardItemModel::disabledLook()
{
    CStandardItem item(QStringLiteral("Cam 2"));
    item.setForeground(QBrush(Qt::green));
    item.SetEnabled(false);
    QCOMPARE(item.data(ItemFlagsRole).toInt(), 0);
    QCOMPARE(item.data(Qt::ForegroundRole).value<QBrush>(), QPalette().brush(QPalette::Disabled, QPalette::WindowText));
    QVERIFY(item.flags() & Qt::ItemIsEnabled);
    QVERIFY(item.flags() & Qt::ItemIsEditable);
    item.SetEnabled(true);
    QCOMPARE(item.data(ItemFlagsRole).toInt(), int(Qt::ItemIsEnabled));
    QCOMPARE(item.data(Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::green));
    QMap<int, QVariant> mapRoles;
    mapRoles.insert(Qt::ToolTipRole, QStringLiteral("north gate"));
    mapRoles.insert(Qt::DisplayRole, QStringLiteral("Cam 3"));
    QVERIFY(item.SetItemData(mapRoles));
    QCOMPARE(item.text(), QStringLiteral("Cam 3"));
    QCOMPARE(item.toolTip(), QStringLiteral("north gate"));
}

void TestStandardItemModel::modelReadsThroughMapping()
{
    CStandardItemModel model;
    model.appendRow({new QStandardItem(QStringLiteral("Cam 1")), new QStandardItem(QStringLiteral("10.0.0.1")),
                     new QStandardItem(QStringLiteral("online"))});
    QVERIFY(dynamic_cast<const CStandardItem*>(model.itemPrototype()));
    model.AddMapping(0, Qt::ToolTipRole, 1, Qt::DisplayRole);
    QCOMPARE(model.index(0, 0).data(Qt::ToolTipRole).toString(), QStringLiteral("10.0.0.1"));
    QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("Cam 1"));
    model.setColumnCount(4);
    QVERIFY(dynamic_cast<CStandardItem*>(model.itemFromIndex(model.index(0, 3))));
}

void TestStandardItemModel::keywordHighlight_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("red");
    QTest::newRow("other case") << QStringLiteral("Plate ab123cd") << true;
    QTest::newRow("second keyword") << QStringLiteral("truck at gate") << true;
    QTest::newRow("no keyword") << QStringLiteral("Plate XY999ZZ") << false;
}

void TestStandardItemModel::keywordHighlight()
{
    QFETCH(QString, text);
    QFETCH(bool, red);
    CStandardItemModel model;
    model.appendRow(new QStandardItem(text));
    model.setHorizontalHeaderItem(0, new QStandardItem(QStringLiteral("Record")));
    model.setHeaderData(0, Qt::Horizontal, QStringList{QString(), QStringLiteral("AB123"), QStringLiteral("TRUCK")},
                        HighlightKeywordsRole);
    const QVariant foreground = model.index(0, 0).data(Qt::ForegroundRole);
    QCOMPARE(foreground.isValid() && foreground.value<QColor>() == QColor(220, 82, 82, 255), red);
}

void TestStandardItemModel::removeKeyRoleSignal()
{
    CStandardItemModel model;
    model.appendRow(new QStandardItem(QStringLiteral("Cam 1")));
    QSignalSpy spy(&model, &CStandardItemModel::SignalRemoveKeyRole);
    model.setData(model.index(0, 0), QStringLiteral("note"), Qt::ToolTipRole);
    QCOMPARE(spy.count(), 0);
    model.setData(model.index(0, 0), QVariant(), Qt::ToolTipRole);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(1).toInt(), int(Qt::ToolTipRole));
    model.OnRemoveAllRows();
    QCOMPARE(model.rowCount(), 0);
}

void TestStandardItemModel::testerWatchesEdits()
{
    CStandardItemModel model;
    ModelTest::CWatchedModel watched(&model);
    model.AddMapping(-1, Qt::ToolTipRole, 0, Qt::DisplayRole);
    for (int iRow = 0; iRow < 5; ++iRow) {
        QStandardItem* pArea = new QStandardItem(QStringLiteral("Area %1").arg(iRow));
        for (int iChild = 0; iChild < 3; ++iChild)
            pArea->appendRow({new QStandardItem(QStringLiteral("Cam %1").arg(iChild)), new QStandardItem});
        model.appendRow(pArea);
    }
    model.item(2)->child(1)->setText(QStringLiteral("Cam renamed"));
    model.item(3)->removeRow(0);
    model.removeRows(0, 2);
    QCOMPARE(model.rowCount(), 3);
}

QTEST_MAIN(TestStandardItemModel)
#include "tst_standarditemmodel.moc"
