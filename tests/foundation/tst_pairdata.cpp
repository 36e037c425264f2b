#include <OrvaGUIToolkit/Foundation/MultiPairData.h>

#include <QtTest/QtTest>
#include <QtWidgets/QtWidgets>

using namespace OrvaGUIToolkit;

class TestPairData : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Each row applies the inserts (first, second, first, second...) in order to
    // an empty map, then expects that many pairs and those seconds.
    void insertPairData_data()
    {
        QTest::addColumn<QVariantList>("listInserts");
        QTest::addColumn<int>("iCount");
        QTest::addColumn<QVariantList>("listExpected");

        const QString a = QStringLiteral("a");
        const QString b = QStringLiteral("b");
        QTest::newRow("appends") << QVariantList{a, 1, b, 2} << 2 << QVariantList{a, 1, b, 2};
        QTest::newRow("replaces") << QVariantList{a, 1, b, 2, a, 3} << 2 << QVariantList{a, 3, b, 2};
        QTest::newRow("invalid removes") << QVariantList{a, 1, b, 2, a, QVariant()} << 1
                                         << QVariantList{a, QVariant(), b, 2};
        QTest::newRow("invalid stored for new first") << QVariantList{a, 1, QStringLiteral("k2"), QVariant()} << 2
                                                      << QVariantList{a, 1, QStringLiteral("k2"), QVariant()};
    }

    void insertPairData()
    {
        QFETCH(QVariantList, listInserts);
        QFETCH(int, iCount);
        QFETCH(QVariantList, listExpected);
        CMultiPairData data;
        for (int i = 0; i + 1 < listInserts.size(); i += 2)
            data.InsertPairData(listInserts.at(i), listInserts.at(i + 1));
        QCOMPARE(data.Count(), iCount);
        for (int i = 0; i + 1 < listExpected.size(); i += 2)
            QCOMPARE(data.GetPairData(listExpected.at(i)), listExpected.at(i + 1));
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
