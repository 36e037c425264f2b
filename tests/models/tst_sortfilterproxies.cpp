#include "ModelTesterSupport.h"

#include <OrvaGUIToolkit/OrvaGUIToolkit.h>

#include <QtGui/QStandardItemModel>
#include <QtTest/QAbstractItemModelTester>
#include <QtTest/QtTest>

#include <memory>

using namespace OrvaGUIToolkit;

namespace {

// Rows of plate, camera, colour; an empty string leaves the cell without a value.
std::unique_ptr<QStandardItemModel> MakeModel(const QList<QStringList>& listRows)
{
    auto pModel = std::make_unique<QStandardItemModel>(0, 3);
    for (const QStringList& listRow : listRows) {
        QList<QStandardItem*> listItems;
        for (const QString& strCell : listRow) {
            auto* pItem = new QStandardItem;
            if (!strCell.isEmpty())
                pItem->setText(strCell);
            listItems << pItem;
        }
        pModel->appendRow(listItems);
    }
    return pModel;
}

QStringList ShownColumn(const QAbstractItemModel& model, int iColumn)
{
    QStringList listTexts;
    for (int iRow = 0; iRow < model.rowCount(); ++iRow)
        listTexts << model.index(iRow, iColumn).data().toString();
    return listTexts;
}

using Tester = QAbstractItemModelTester;

QStringList Refiltered(CSortFilterProxyModel& proxy, CSortFilterProxyModel::FilterMode enumMode, const QRegExp& re)
{
    proxy.SetCoustomFilter(enumMode, re);
    proxy.invalidate();
    return ShownColumn(proxy, 0);
}

} // namespace

class TestSortFilterProxies : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sortFilterModel_data()
    {
        QTest::addColumn<QString>("strPattern");
        QTest::addColumn<int>("iKeyColumn");
        QTest::addColumn<int>("iMode");
        QTest::addColumn<QStringList>("listExpected");

        QTest::newRow("contain, all columns") << "Gate" << -1 << 0 << QStringList{"A123", "C789"};
        QTest::newRow("contain, key 2, empty cell stays") << "red" << 2 << 0 << QStringList{"A123", ""};
        QTest::newRow("not contain, key 2, empty cell stays") << "red" << 2 << 1
                                                              << QStringList{"B456", "C789", ""};
        QTest::newRow("other mode accepts") << "Gate" << -1 << 5 << QStringList{"A123", "B456", "C789", ""};
        QTest::newRow("key column past the end") << "Gate" << 9 << 0 << QStringList{"A123", "B456", "C789", ""};
    }

    void sortFilterModel()
    {
        QFETCH(QString, strPattern);
        QFETCH(int, iKeyColumn);
        QFETCH(int, iMode);
        QFETCH(QStringList, listExpected);

        const auto pSource = MakeModel({{"A123", "Gate 1", "red"},
                                        {"B456", "Lane 2", "blue"},
                                        {"C789", "Gate 3", "white"},
                                        {"", "", ""}});
        CSortFilterModel proxy;
        Tester tester(&proxy, Tester::FailureReportingMode::Fatal);
        proxy.setSourceModel(pSource.get());
        proxy.SetFilterMode(static_cast<CSortFilterModel::FilterMode>(iMode));
        proxy.setFilterKeyColumn(iKeyColumn);
        proxy.setFilterFixedString(strPattern);
        QCOMPARE(ShownColumn(proxy, 0), listExpected);
    }

    void sortFilterModelIsCaseInsensitiveSort()
    {
        const auto pSource = MakeModel({{"b", "", ""}, {"C", "", ""}, {"a", "", ""}, {"B", "", ""}});
        CSortFilterModel proxy;
        proxy.setSourceModel(pSource.get());
        proxy.sort(0);
        QCOMPARE(ShownColumn(proxy, 0).join(QString()).toLower(), QStringLiteral("abbc"));
    }

    void secondaryFilter()
    {
        const auto pSource = MakeModel({{"A123", "Gate 1", "red"},
                                        {"A124", "Gate 2", "blue"},
                                        {"B456", "Gate 1", "red"},
                                        {"A125", "Lane 1", "red"}});
        CSecondarySortFilterModel proxy;
        Tester tester(&proxy, Tester::FailureReportingMode::Fatal);
        proxy.setSourceModel(pSource.get());
        proxy.setFilterKeyColumn(0);
        proxy.setFilterFixedString(QStringLiteral("A"));
        QCOMPARE(ShownColumn(proxy, 0), (QStringList{"A123", "A124", "A125"}));

        proxy.SetSecondaryFilterKeyColumn(1);
        proxy.SetSecondaryFilterRegExp(QStringLiteral("^Gate"));
        QCOMPARE(ShownColumn(proxy, 0), (QStringList{"A123", "A124"}));

        // The mode is only stored; the next filter change applies it.
        proxy.SetSecondaryFilterMode(CSortFilterModel::FilterNotContain);
        QCOMPARE(ShownColumn(proxy, 0), (QStringList{"A123", "A124"}));
        proxy.SetSecondaryFilterKeyColumn(-1);
        QCOMPARE(ShownColumn(proxy, 0), (QStringList{"A125"}));

        // Case-sensitive by default.
        proxy.SetSecondaryFilterMode(CSortFilterModel::FilterContain);
        proxy.SetSecondaryFilterRegExp(QStringLiteral("RED"));
        QCOMPARE(ShownColumn(proxy, 0), QStringList());
        proxy.SetSecondaryFilterRegExp(QString());
        QCOMPARE(ShownColumn(proxy, 0), (QStringList{"A123", "A124", "A125"}));
    }

    void multiPage_data()
    {
        QTest::addColumn<uint>("uPage");
        QTest::addColumn<uint>("uSize");
        QTest::addColumn<QString>("strSecondary");
        QTest::addColumn<QStringList>("listExpected");

        QTest::newRow("page 1") << 1U << 3U << QString() << QStringList{"P00", "P01", "P02"};
        QTest::newRow("page 2 of 10, odd rows") << 2U << 10U << "[13579]$"
                                                << QStringList{"P11", "P13", "P15", "P17", "P19"};
        QTest::newRow("last partial page") << 3U << 10U << QString() << QStringList{"P20", "P21", "P22"};
        QTest::newRow("page past the end") << 9U << 10U << QString() << QStringList();
        QTest::newRow("page 0") << 0U << 10U << QString() << QStringList();
        QTest::newRow("size 0") << 1U << 0U << QString() << QStringList();
        QTest::newRow("huge page") << 0xFFFFFFFFU << 0xFFFFFFFFU << QString() << QStringList();
    }

    void multiPage()
    {
        QFETCH(uint, uPage);
        QFETCH(uint, uSize);
        QFETCH(QString, strSecondary);
        QFETCH(QStringList, listExpected);

        QList<QStringList> listRows;
        for (int i = 0; i < 23; ++i)
            listRows << QStringList{QStringLiteral("P%1").arg(i, 2, 10, QLatin1Char('0')), QString(), QString()};
        const auto pSource = MakeModel(listRows);
        CMultiPageSecondarySortFilterModel proxy;
        Tester tester(&proxy, Tester::FailureReportingMode::Fatal);
        proxy.setSourceModel(pSource.get());
        proxy.SetSecondaryFilterKeyColumn(0);
        proxy.SetSecondaryFilterRegExp(strSecondary);
        proxy.SetMultiPageParam(uPage, uSize);
        QCOMPARE(ShownColumn(proxy, 0), listExpected);
    }

    void valueList_data()
    {
        QTest::addColumn<QStringList>("listColumn0");
        QTest::addColumn<QStringList>("listColumn1");
        QTest::addColumn<bool>("bColumn0Unfiltered");
        QTest::addColumn<QStringList>("listExpected");

        const QStringList listAllPlates{"A123 A124 B456 C789"};
        QTest::newRow("blank cell compared as (Blank)") << listAllPlates << QStringList{"(Blank)"} << false
                                                        << QStringList{"C789"};
        QTest::newRow("other letter case accepted") << listAllPlates << QStringList{"GATE 1"} << false
                                                    << QStringList{"A123", "A124"};
        QTest::newRow("word followed by more text refused") << listAllPlates << QStringList{"Gate"} << false
                                                            << QStringList();
        QTest::newRow("column 0 is a case-sensitive substring") << QStringList{"A123 B456"}
                                                                << QStringList{"Gate 1", "Lane 2", "(Blank)", "gate 1"}
                                                                << false << QStringList{"A123", "B456"};
        QTest::newRow("column 0 unfiltered") << QStringList() << QStringList{"gate 1", "(blank)"} << true
                                             << QStringList{"A123", "A124", "C789"};
        QTest::newRow("empty column 0 list refuses") << QStringList() << QStringList{"Gate 1"} << false
                                                     << QStringList();
    }

    void valueList()
    {
        QFETCH(QStringList, listColumn0);
        QFETCH(QStringList, listColumn1);
        QFETCH(bool, bColumn0Unfiltered);
        QFETCH(QStringList, listExpected);

        const auto pSource = MakeModel({{"A123", "Gate 1", "red"},
                                        {"A124", "gate 1", "blue"},
                                        {"B456", "Lane 2", "red"},
                                        {"C789", "", "white"}});
        CSortFilterProxyModel proxy;
        Tester tester(&proxy, Tester::FailureReportingMode::Fatal);
        proxy.setSourceModel(pSource.get());
        proxy.SetColumnNum(3);
        proxy.SetFilterValues({listColumn0, listColumn1, {}}, {bColumn0Unfiltered, false, true});
        proxy.SetCoustomFilter(CSortFilterProxyModel::ValueListFilter, QRegExp());
        QCOMPARE(ShownColumn(proxy, 0).size(), 4); // nothing re-runs until the owner asks
        proxy.invalidate();
        QCOMPARE(ShownColumn(proxy, 0), listExpected);
    }

    // Expressions over the first m_iColumnNum columns, no filter, and page tags.
    void regExpNoFilterAndPageTag()
    {
        const auto pSource = MakeModel({{"A123", "North gate", "red"},
                                        {"B456", "Lane 2", "red"},
                                        {"C789", "south GATE", "white"}});
        pSource->item(0)->setData(QStringLiteral("Page001"), Qt::WhatsThisRole);
        pSource->item(1)->setData(QStringLiteral("Page001 "), Qt::WhatsThisRole);
        pSource->item(2)->setData(QStringLiteral("Page002"), Qt::WhatsThisRole);
        CSortFilterProxyModel proxy;
        Tester tester(&proxy, Tester::FailureReportingMode::Fatal);
        proxy.setSourceModel(pSource.get());
        proxy.SetColumnNum(2);
        const auto regExp = CSortFilterProxyModel::RegExpFilter;
        QCOMPARE(Refiltered(proxy, regExp, QRegExp(QStringLiteral("*GATE"), Qt::CaseInsensitive, QRegExp::Wildcard)),
                 (QStringList{"A123", "C789"}));
        // Only the first m_iColumnNum columns are read.
        QCOMPARE(Refiltered(proxy, regExp, QRegExp(QStringLiteral("white"))), QStringList());
        QCOMPARE(Refiltered(proxy, CSortFilterProxyModel::NoFilter, QRegExp(QStringLiteral("A1"))).size(), 3);
        QCOMPARE(Refiltered(proxy, regExp, QRegExp(QStringLiteral("("))), QStringList());

        // The page tag must match exactly; an empty tag keeps the previous one.
        proxy.SetPageRole(true, QStringLiteral("Page001"));
        QCOMPARE(Refiltered(proxy, CSortFilterProxyModel::NoFilter, QRegExp()), QStringList{"A123"});
        proxy.SetPageRole(true, QString());
        QCOMPARE(Refiltered(proxy, CSortFilterProxyModel::NoFilter, QRegExp()), QStringList{"A123"});
        proxy.SetPageRole(false, QString());
        QCOMPARE(Refiltered(proxy, CSortFilterProxyModel::NoFilter, QRegExp()).size(), 3);
    }

    void multiColumn()
    {
        const auto pSource = MakeModel({{"A123", "Gate 1", "red"}, {"B456", "Lane 2", "blue"}, {"", "", ""}});
        CMutilColumnFilterProxyModel proxy;
        Tester tester(&proxy, Tester::FailureReportingMode::Fatal);
        proxy.setSourceModel(pSource.get());
        QCOMPARE(ShownColumn(proxy, 0).size(), 3);
        proxy.SetCoustomFilter(QRegExp(QStringLiteral("blue")));
        proxy.invalidate();
        QCOMPARE(ShownColumn(proxy, 0), QStringList{"B456"});
        proxy.SetCoustomFilter(QRegExp(QStringLiteral("^$")));
        proxy.invalidate();
        QCOMPARE(ShownColumn(proxy, 0), QStringList{QString()});
    }

    void filterWhileRowsChange()
    {
        CTreeViewModel source;
        source.insertColumns(0, 2);
        // The tree model's root flags are its own; the tester checks the proxies.
        ModelTest::CRootFlagsProxy rootFlags;
        rootFlags.setSourceModel(&source);
        CSortFilterProxyModel valueProxy;
        CSecondarySortFilterModel secondaryProxy;
        Tester valueTester(&valueProxy, Tester::FailureReportingMode::Fatal);
        Tester secondaryTester(&secondaryProxy, Tester::FailureReportingMode::Fatal);
        valueProxy.setSourceModel(&rootFlags);
        secondaryProxy.setSourceModel(&rootFlags);
        valueProxy.SetColumnNum(2);
        valueProxy.SetFilterValues({{QStringLiteral("A1 A3 A5")}, {}}, {false, true});
        valueProxy.SetCoustomFilter(CSortFilterProxyModel::ValueListFilter, QRegExp());
        valueProxy.setDynamicSortFilter(true);
        valueProxy.sort(0, Qt::DescendingOrder);
        secondaryProxy.setFilterKeyColumn(0);
        secondaryProxy.setFilterFixedString(QStringLiteral("A"));
        secondaryProxy.SetSecondaryFilterRegExp(QStringLiteral("[135]"));
        for (int i = 1; i <= 6; ++i) {
            source.insertRows(source.rowCount(), 1);
            source.setData(source.index(source.rowCount() - 1, 0), QStringLiteral("A%1").arg(i));
        }
        valueProxy.invalidate();
        QCOMPARE(ShownColumn(valueProxy, 0), (QStringList{"A5", "A3", "A1"}));
        QCOMPARE(ShownColumn(secondaryProxy, 0), (QStringList{"A1", "A3", "A5"}));
        source.removeRows(1, 3);
        QCOMPARE(ShownColumn(valueProxy, 0), (QStringList{"A5", "A1"}));
        QCOMPARE(ShownColumn(secondaryProxy, 0), (QStringList{"A1", "A5"}));
        secondaryProxy.SetSecondaryFilterRegExp(QStringLiteral("6"));
        source.insertRows(0, 1);
        source.setData(source.index(0, 0), QStringLiteral("A16"));
        QCOMPARE(ShownColumn(secondaryProxy, 0), (QStringList{"A16", "A6"}));
    }
};

QTEST_MAIN(TestSortFilterProxies)
#include "tst_sortfilterproxies.moc"
