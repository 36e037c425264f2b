#include <OrvaGUIToolkit/Foundation/Dir.h>
#include <OrvaGUIToolkit/Foundation/File.h>
#include <OrvaGUIToolkit/Foundation/MultiPairData.h>

#include <QtCore/QTemporaryDir>
#include <QtTest/QtTest>

using namespace OrvaGUIToolkit;

class TestPairData : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pairEquality();
    void insertPairData_data();
    void insertPairData();
    void removeAndLookUp();
    void travelsInVariants();
    void mkDirOpensToEverybody();
    void readAll();
    void readAllOfMissingFile();
};

void TestPairData::pairEquality()
{
    const CPairData pair(0, QStringLiteral("Gate 2 North"));
    CPairData copy(pair);
    QVERIFY(copy == pair);
    copy.SetSecond(QStringLiteral("Gate 2 South"));
    QVERIFY(copy != pair);
    copy.SetSecond(pair.GetSecond());
    copy.SetFirst(1);
    QVERIFY(!(copy == pair));
    QVERIFY(CPairData() == CPairData(QVariant(), QVariant()));
}

// Each row applies the inserts (first, second, first, second...) in order to
// an empty map, then expects that many pairs and those seconds.
void TestPairData::insertPairData_data()
{
    QTest::addColumn<QVariantList>("listInserts");
    QTest::addColumn<int>("iCount");
    QTest::addColumn<QVariantList>("listExpected");

    const QString a = QStringLiteral("a");
    const QString b = QStringLiteral("b");
    QTest::newRow("appends") << QVariantList{a, 1, b, 2} << 2 << QVariantList{a, 1, b, 2};
    QTest::newRow("replaces") << QVariantList{a, 1, b, 2, a, 3} << 2 << QVariantList{a, 3, b, 2};
    QTest::newRow("same second") << QVariantList{a, 1, a, 1} << 1 << QVariantList{a, 1};
    QTest::newRow("invalid removes") << QVariantList{a, 1, b, 2, a, QVariant()} << 1
                                     << QVariantList{a, QVariant(), b, 2};
    QTest::newRow("invalid stored for new first") << QVariantList{a, 1, QStringLiteral("k2"), QVariant()} << 2
                                                  << QVariantList{a, 1, QStringLiteral("k2"), QVariant()};
}

void TestPairData::insertPairData()
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

void TestPairData::removeAndLookUp()
{
    CMultiPairData data;
    data.InsertPairData(0, QStringLiteral("Entrance"));
    data.InsertPairData(1, QStringLiteral(":/OrvaDesk/Icon/Images/Public/Icon/LiveView.png"));
    QCOMPARE(data.GetPairData(0).toString(), QStringLiteral("Entrance"));
    QVERIFY(!data.GetPairData(7).isValid());
    data.RemovePairData(7);
    QCOMPARE(data.Count(), 2);
    data.RemovePairData(0);
    QVERIFY(!data.GetPairData(0).isValid());
    QCOMPARE(data.Count(), 1);
}

void TestPairData::travelsInVariants()
{
    CMultiPairData data;
    data.InsertPairData(0, QStringLiteral("Parking P2"));
    const QVariant variant = QVariant::fromValue(QList<CMultiPairData>{data});
    const QList<CMultiPairData> listBack = variant.value<QList<CMultiPairData>>();
    QCOMPARE(listBack.size(), 1);
    QVERIFY(listBack.first() == data);
}

void TestPairData::mkDirOpensToEverybody()
{
    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString strPath = root.filePath(QStringLiteral("Snapshots"));
    QVERIFY(CDir::MkDir(strPath));
    const QFile::Permissions permissions = QFile::permissions(strPath);
    QVERIFY(permissions & QFile::WriteOther);
    QVERIFY(permissions & QFile::ExeGroup);
    QVERIFY(!CDir::MkDir(strPath));
    QVERIFY(!CDir::MkDir(root.filePath(QStringLiteral("a/b"))));
    QVERIFY(CDir::MkPath(root.filePath(QStringLiteral("a/b"))));
    QVERIFY(QFileInfo(root.filePath(QStringLiteral("a/b"))).isDir());
}

void TestPairData::readAll()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const auto write = [&dir](const QString& strName, const QByteArray& bytes) {
        QFile file(dir.filePath(strName));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    };
    QVERIFY(write(QStringLiteral("head.css"), QByteArray("body{}\n")));
    QVERIFY(write(QStringLiteral("tail.css"), QByteArray("p{}\0hidden", 10)));
    QVERIFY(write(QStringLiteral("latin.txt"), QByteArray("Stra\xdf" "e")));

    QCOMPARE(CFile::ReadAll(dir.filePath(QStringLiteral("tail.css"))), QStringLiteral("p{}"));
    QCOMPARE(CFile::ReadAll(dir.filePath(QStringLiteral("latin.txt"))), QString::fromUtf8("Stra\xc3\x9f" "e"));
    const QStringList listNames{QStringLiteral("head.css"), QStringLiteral("tail.css")};
    QCOMPARE(CFile::ReadAll(listNames, dir.path()), QStringLiteral("body{}\np{}"));
    QCOMPARE(CFile::ReadAll(listNames, dir.path() + QLatin1Char('/')), QStringLiteral("body{}\np{}"));
}

void TestPairData::readAllOfMissingFile()
{
    QTest::ignoreMessage(QtDebugMsg,
                         QRegularExpression(QStringLiteral("^Unable to open /nonexistent/style\\.qss: .+")));
    QCOMPARE(CFile::ReadAll(QStringLiteral("/nonexistent/style.qss")), QString());
}

QTEST_GUILESS_MAIN(TestPairData)
#include "tst_pairdata.moc"
