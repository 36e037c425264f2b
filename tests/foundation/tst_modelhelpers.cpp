#include <OrvaGUIToolkit/Foundation/GuiFunctions.h>

#include <QtTest/QtTest>
#include <QtWidgets/QtWidgets>

using namespace OrvaGUIToolkit;

namespace {

QStandardItem* CheckItem(const QString& strText, Qt::CheckState enumState, const QVariant& kind = QVariant())
{
    auto* pItem = new QStandardItem(strText);
    pItem->setCheckable(true);
    pItem->setCheckState(enumState);
    if (kind.isValid())
        pItem->setData(kind, Qt::UserRole + 1);
    return pItem;
}

// Site
//  +- Gate (partially checked)           kind "area"
//  |   +- Entry camera (checked)         kind "camera"
//  |   +- Exit camera (unchecked)        kind "camera"
//  +- Parking (unchecked)                kind "area"
//  |   +- B1 camera (checked)            kind "camera"  <- under an unchecked branch
//  +- Roof camera (checked)              kind "camera"
void FillSite(QStandardItemModel& model)
{
    QStandardItem* pGate = CheckItem(QStringLiteral("Gate"), Qt::PartiallyChecked, QStringLiteral("area"));
    pGate->appendRow(CheckItem(QStringLiteral("Entry camera"), Qt::Checked, QStringLiteral("camera")));
    pGate->appendRow(CheckItem(QStringLiteral("Exit camera"), Qt::Unchecked, QStringLiteral("camera")));
    QStandardItem* pParking = CheckItem(QStringLiteral("Parking"), Qt::Unchecked, QStringLiteral("area"));
    pParking->appendRow(CheckItem(QStringLiteral("B1 camera"), Qt::Checked, QStringLiteral("camera")));
    model.appendRow(pGate);
    model.appendRow(pParking);
    model.appendRow(CheckItem(QStringLiteral("Roof camera"), Qt::Checked, QStringLiteral("camera")));
}

QStringList ColumnTexts(const QStandardItemModel& model, const QModelIndex& miParent, int iColumn = 0)
{
    QStringList listTexts;
    for (int iRow = 0; iRow < model.rowCount(miParent); ++iRow)
        listTexts << model.index(iRow, iColumn, miParent).data().toString();
    return listTexts;
}

// Every item that exists, as "row,column:text" under its parent's path,
// read without creating any item.
QStringList Dump(const QStandardItem* pParent, const QString& strPath = QString())
{
    QStringList listDump;
    listDump << QStringLiteral("%1[%2x%3]").arg(strPath).arg(pParent->rowCount()).arg(pParent->columnCount());
    for (int iRow = 0; iRow < pParent->rowCount(); ++iRow) {
        for (int iColumn = 0; iColumn < pParent->columnCount(); ++iColumn) {
            const QStandardItem* pItem = pParent->child(iRow, iColumn);
            if (!pItem)
                continue;
            const QString strHere = QStringLiteral("%1/%2,%3").arg(strPath).arg(iRow).arg(iColumn);
            listDump << strHere + QLatin1Char(':') + pItem->text();
            if (pItem->hasChildren())
                listDump << Dump(pItem, strHere);
        }
    }
    return listDump;
}

// A tree that is one long chain, every node checked: Qt's views and models
// handle any depth of it, so the toolkit's helpers must too.
class CChainModel : public QAbstractItemModel
{
public:
    explicit CChainModel(quintptr uDepth) : m_uDepth(uDepth) {}

    QModelIndex index(int iRow, int iColumn, const QModelIndex& miParent) const override
    {
        const quintptr uLevel = Level(miParent);
        return iRow == 0 && iColumn == 0 && uLevel < m_uDepth ? createIndex(0, 0, uLevel) : QModelIndex();
    }
    QModelIndex parent(const QModelIndex& miChild) const override
    {
        return miChild.isValid() && miChild.internalId() > 0 ? createIndex(0, 0, miChild.internalId() - 1)
                                                             : QModelIndex();
    }
    int rowCount(const QModelIndex& miParent) const override { return Level(miParent) < m_uDepth ? 1 : 0; }
    int columnCount(const QModelIndex&) const override { return 1; }
    QVariant data(const QModelIndex& miIndex, int iRole) const override
    {
        return miIndex.isValid() && iRole == Qt::CheckStateRole ? QVariant(int(Qt::Checked)) : QVariant();
    }

private:
    static quintptr Level(const QModelIndex& miParent) { return miParent.isValid() ? miParent.internalId() + 1 : 0; }
    const quintptr m_uDepth;
};

} // namespace

class TestModelHelpers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Gate, Entry and Roof are (partially) checked; B1 sits under an unchecked
    // branch. A value counts only with a role that carries it.
    void checkCount()
    {
        QStandardItemModel model;
        FillSite(model);
        const QVariant camera = QStringLiteral("camera");
        QCOMPARE((QList<int>{GetCheckCount(&model, QModelIndex()), GetCheckCount(&model, QModelIndex(), -1, camera),
                             GetCheckCount(&model, QModelIndex(), Qt::UserRole + 1, camera),
                             GetCheckCount(&model, QModelIndex(), Qt::UserRole + 7, QVariant())}),
                 (QList<int>{3, 0, 2, 0}));
    }

    void copyAppendsWithChildren()
    {
        QStandardItemModel src;
        FillSite(src);
        src.item(0)->setChild(0, 1, new QStandardItem(QStringLiteral("10.0.0.11")));
        QStandardItemModel dst;
        dst.appendRow(new QStandardItem(QStringLiteral("Existing")));

        CopyModelData(&src, QModelIndex(), &dst, QModelIndex());

        QCOMPARE(ColumnTexts(dst, QModelIndex()),
                 (QStringList{QStringLiteral("Existing"), QStringLiteral("Gate"), QStringLiteral("Parking"),
                              QStringLiteral("Roof camera")}));
        const QModelIndex miGate = dst.index(1, 0);
        QCOMPARE(ColumnTexts(dst, miGate), (QStringList{QStringLiteral("Entry camera"), QStringLiteral("Exit camera")}));
        QCOMPARE(dst.index(0, 1, miGate).data().toString(), QStringLiteral("10.0.0.11"));
        QCOMPARE(dst.index(0, 0, miGate).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
        // Clones, not the source's items.
        QVERIFY(dst.itemFromIndex(miGate) != src.item(0));
    }

    // Rows go in at the row asked for; past the end, or at the append marker,
    // they are appended. Children come along.
    void copyInsertsAtRow()
    {
        QList<QStringList> listResults;
        for (const uint uRow : {1u, 9u, uint(-1)}) {
            QStandardItemModel src;
            src.appendRow(new QStandardItem(QStringLiteral("x")));
            src.appendRow(new QStandardItem(QStringLiteral("y")));
            src.item(1)->appendRow(new QStandardItem(QStringLiteral("y.child")));
            QStandardItemModel dst;
            dst.appendRow(new QStandardItem(QStringLiteral("A")));
            dst.appendRow(new QStandardItem(QStringLiteral("B")));
            CopyModelData(&src, QModelIndex(), &dst, QModelIndex(), uRow);
            const QStringList listTop = ColumnTexts(dst, QModelIndex());
            QCOMPARE(ColumnTexts(dst, dst.index(listTop.indexOf(QStringLiteral("y")), 0)),
                     QStringList{QStringLiteral("y.child")});
            listResults << listTop;
        }
        const QString a = QStringLiteral("A"), b = QStringLiteral("B"), x = QStringLiteral("x"), y = QStringLiteral("y");
        QCOMPARE(listResults, (QList<QStringList>{{a, x, y, b}, {a, b, x, y}, {a, b, x, y}}));
    }

    void copyIntoChildAndNullModels()
    {
        QStandardItemModel src;
        src.appendRow(new QStandardItem(QStringLiteral("Lane 1")));
        QStandardItemModel dst;
        dst.appendRow(new QStandardItem(QStringLiteral("Toll")));
        CopyModelData(&src, QModelIndex(), &dst, dst.index(0, 0));
        QCOMPARE(ColumnTexts(dst, dst.index(0, 0)), QStringList{QStringLiteral("Lane 1")});

        QTest::ignoreMessage(QtWarningMsg, "CopyModelData: pSrc == NULL || pDst == NULL");
        CopyModelData(nullptr, QModelIndex(), &dst, QModelIndex());
        QTest::ignoreMessage(QtWarningMsg, "CopyModelData: pSrc == NULL || pDst == NULL");
        CopyModelData(&src, QModelIndex(), nullptr, QModelIndex());
        QCOMPARE(dst.rowCount(), 1);
    }

    void copySkipsEmptyCellsAndLeavesSourceAlone()
    {
        // Row 0 has nothing in its first column, row 1 nothing in its second,
        // row 2 nothing at all.
        QStandardItemModel src(3, 3);
        src.setItem(0, 1, new QStandardItem(QStringLiteral("Plate")));
        src.setItem(1, 0, new QStandardItem(QStringLiteral("Camera 4")));
        src.setItem(1, 2, new QStandardItem(QStringLiteral("12:04")));
        src.item(1, 0)->appendRow({nullptr, new QStandardItem(QStringLiteral("Lane 2"))});
        const QStringList listBefore = Dump(src.invisibleRootItem());
        QCOMPARE(listBefore, (QStringList{QStringLiteral("[3x3]"), QStringLiteral("/0,1:Plate"),
                                          QStringLiteral("/1,0:Camera 4"), QStringLiteral("/1,0[1x2]"),
                                          QStringLiteral("/1,0/0,1:Lane 2"), QStringLiteral("/1,2:12:04")}));
        QStandardItemModel dst;

        CopyModelData(&src, QModelIndex(), &dst, QModelIndex());

        QCOMPARE(Dump(src.invisibleRootItem()), listBefore);
        // The empty row is copied as an empty row.
        QCOMPARE(Dump(dst.invisibleRootItem()),
                 (QStringList{QStringLiteral("[3x2]"), QStringLiteral("/0,0:Plate"), QStringLiteral("/1,0:Camera 4"),
                              QStringLiteral("/1,0[1x1]"), QStringLiteral("/1,0/0,0:Lane 2"),
                              QStringLiteral("/1,1:12:04")}));

        // Inserted at a row, the empty row still counts: the next row goes below it.
        QStandardItemModel dstAt;
        dstAt.appendRow(new QStandardItem(QStringLiteral("A")));
        dstAt.appendRow(new QStandardItem(QStringLiteral("B")));
        CopyModelData(&src, QModelIndex(), &dstAt, QModelIndex(), 1);
        QCOMPARE(ColumnTexts(dstAt, QModelIndex()),
                 (QStringList{QStringLiteral("A"), QStringLiteral("Plate"), QStringLiteral("Camera 4"), QString(),
                              QStringLiteral("B")}));
    }

    void copyOntoItself()
    {
        QStandardItemModel model;
        model.appendRow(new QStandardItem(QStringLiteral("x")));
        model.appendRow(new QStandardItem(QStringLiteral("y")));
        model.item(1)->appendRow(new QStandardItem(QStringLiteral("y.child")));

        CopyModelData(&model, QModelIndex(), &model, QModelIndex(), 1);

        QCOMPARE(ColumnTexts(model, QModelIndex()),
                 (QStringList{QStringLiteral("x"), QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("y")}));
        QCOMPARE(ColumnTexts(model, model.index(2, 0)), QStringList{QStringLiteral("y.child")});
        QCOMPARE(ColumnTexts(model, model.index(3, 0)), QStringList{QStringLiteral("y.child")});

        // A row's children copied under that same row: the row is the
        // destination's parent, not one of the copied rows.
        CopyModelData(&model, model.index(3, 0), &model, model.index(3, 0));
        QCOMPARE(ColumnTexts(model, model.index(3, 0)), (QStringList{QStringLiteral("y.child"), QStringLiteral("y.child")}));
    }

    void copyUnderACopiedRowIsRefused()
    {
        QStandardItemModel model;
        model.appendRow(new QStandardItem(QStringLiteral("Gate")));
        model.item(0)->appendRow(new QStandardItem(QStringLiteral("Lane 1")));
        const QStringList listBefore = Dump(model.invisibleRootItem());

        QTest::ignoreMessage(QtWarningMsg, "CopyModelData: miDstParent lies inside the copied rows");
        CopyModelData(&model, QModelIndex(), &model, model.index(0, 0));
        QTest::ignoreMessage(QtWarningMsg, "CopyModelData: miDstParent lies inside the copied rows");
        CopyModelData(&model, QModelIndex(), &model, model.index(0, 0, model.index(0, 0)));
        QStandardItemModel other;
        other.appendRow(new QStandardItem(QStringLiteral("Elsewhere")));
        QTest::ignoreMessage(QtWarningMsg, "CopyModelData: miSrcParent or miDstParent belongs to another model");
        CopyModelData(&model, other.index(0, 0), &model, QModelIndex());

        QCOMPARE(Dump(model.invisibleRootItem()), listBefore);
    }

    void checkCountOfADeepTree()
    {
        CChainModel model(300000);
        QCOMPARE(GetCheckCount(&model, QModelIndex()), 300000);
        QCOMPARE(GetCheckCount(&model, model.index(0, 0, QModelIndex())), 299999);
    }
};

QTEST_MAIN(TestModelHelpers)
#include "tst_modelhelpers.moc"
