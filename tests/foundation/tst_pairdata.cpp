#include <OrvaGUIToolkit/Foundation/MultiPairData.h>

#include <QtTest/QtTest>
#include <QtWidgets/QtWidgets>

using namespace OrvaGUIToolkit;

class TestPairData : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A first that exists has its second replaced; an invalid second removes
    // the pair, or is stored for a new first.
    void insertPairData()
    {
        const QString a = QStringLiteral("a");
        const QString b = QStringLiteral("b");
        CMultiPairData data;
        data.InsertPairData(a, 1);
        data.InsertPairData(b, 2);
        data.InsertPairData(a, 3);
        QCOMPARE(data.Count(), 2);
        QCOMPARE((QVariantList{data.GetPairData(a), data.GetPairData(b)}), (QVariantList{3, 2}));
        data.InsertPairData(a, QVariant());
        QCOMPARE(data.Count(), 1);
        QVERIFY(!data.GetPairData(a).isValid());
        data.InsertPairData(QStringLiteral("k2"), QVariant());
        QCOMPARE(data.Count(), 2);
    }

    // Lists of maps travel in variants (queued signals, item data) and compare
    // pair by pair, seconds included.
    void travelsInVariants()
    {
        CMultiPairData data;
        data.InsertPairData(0, QStringLiteral("Parking P2"));
        const QVariant variant = QVariant::fromValue(QList<CMultiPairData>{data});
        const QList<CMultiPairData> listBack = variant.value<QList<CMultiPairData>>();
        QCOMPARE(listBack.size(), 1);
        QVERIFY(listBack.first() == data);
        data.InsertPairData(0, QStringLiteral("Parking P3"));
        QVERIFY(!(listBack.first() == data));
    }
};

QTEST_GUILESS_MAIN(TestPairData)
#include "tst_pairdata.moc"
