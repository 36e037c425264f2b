#include <OrvaGUIToolkit/OrvaGUIToolkit.h>

#include <QtCore/QPointer>
#include <QtTest/QSignalSpy>
#include <QtTest/QtTest>
#include <QtGui/QStandardItemModel>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QListView>

using namespace OrvaGUIToolkit;

namespace {

// Vehicle rows: plate, camera, colour.
QList<CTreeViewItem*> MakeRows(int iCount, int iFirst = 0)
{
    static const char* const s_apszCameras[] = {"North gate lane 1", "South gate lane 2", "Depot exit"};
    static const char* const s_apszColours[] = {"White", "Black", ""};
    QList<CTreeViewItem*> listItems;
    for (int i = iFirst; i < iFirst + iCount; ++i) {
        auto* pItem = new CTreeViewItem;
        pItem->InsertColumns(0, 3);
        pItem->SetText(0, QStringLiteral("B%1").arg(i, 5, 10, QLatin1Char('0')));
        pItem->SetText(1, QLatin1String(s_apszCameras[i % 3]));
        pItem->SetText(2, QLatin1String(s_apszColours[i % 3]));
        listItems << pItem;
    }
    return listItems;
}

QStringList Column(const QAbstractItemModel* pModel, int iColumn = 0)
{
    QStringList listTexts;
    for (int iRow = 0; pModel && iRow < pModel->rowCount(); ++iRow)
        listTexts << pModel->index(iRow, iColumn).data().toString();
    return listTexts;
}

QStringList Tags(const QAbstractItemModel& model, std::initializer_list<int> listRows)
{
    QStringList listTags;
    for (int iRow : listRows)
        listTags << model.index(iRow, 0).data(Qt::WhatsThisRole).toString();
    return listTags;
}

struct CFixture
{
    explicit CFixture(int iRows, int iPageSize = 20)
    {
        model.insertColumns(0, 3);
        view.SetSourceModel(&model);
        view.SetItemsPerPage(false, iPageSize);
        view.AddTopLevelItems(MakeRows(iRows));
    }
    CTreeViewModel model;
    CFilterTreeView view;
};

} // namespace

class TestFilterTreeView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pagingTags()
    {
        CFixture fixture(95);
        QSignalSpy spy(&fixture.view, &CFilterTreeView::SignalModelChanged);
        fixture.view.DoPaging(false);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0), (QList<QVariant>{5, 95, true}));
        QCOMPARE(Tags(fixture.model, {19, 20, 94}), (QStringList{"Page001", "Page002", "Page005"}));
        fixture.view.OnCurrentPageChanged(5);
        QCOMPARE(fixture.view.model()->rowCount(), 15);
        QCOMPARE(Column(fixture.view.model()).first(), QStringLiteral("B00080"));
        fixture.view.OnCurrentPageChanged(2);
        QCOMPARE(Column(fixture.view.model()).first(), QStringLiteral("B00020"));
        QCOMPARE(fixture.view.GetCurrentPage(), 2);

        // Past page 999 the tag takes more digits.
        CFixture many(1001, 1);
        many.view.DoPaging();
        QCOMPARE(many.view.GetPageCount(), 1001);
        QCOMPARE(Tags(many.model, {998, 1000}), (QStringList{"Page999", "Page1001"}));
        many.view.OnCurrentPageChanged(1000);
        QCOMPARE(Column(many.view.model()), QStringList{"B00999"});
    }

    void emptyModel()
    {
        CFixture fixture(0);
        QSignalSpy spy(&fixture.view, &CFilterTreeView::SignalModelChanged);
        fixture.view.DoPaging(false);
        QCOMPARE(spy.at(0), (QList<QVariant>{0, 0, true}));
        fixture.view.OnCurrentPageChanged(3);
        QCOMPARE(fixture.view.GetCurrentPage(), 1);
        fixture.view.StartFilterByCustomStr(QStringLiteral("gate"));
        fixture.view.StartFilterByTextgroup({}, {});
        QCOMPARE(fixture.view.GetPageCount(), 0);
    }

    void valueFilterPagesFilteredRows()
    {
        CFixture fixture(95);
        fixture.view.DoPaging(false);
        QSignalSpy spyModel(&fixture.view, &CFilterTreeView::SignalModelChanged);
        QSignalSpy spyWidth(&fixture.view, &CFilterTreeView::SignalReSetColumnWidth);
        // Column 0 takes the text of all plates; column 2 keeps blank cells only.
        fixture.view.StartFilterByTextgroup({{Column(&fixture.model).join(QLatin1Char(' '))}, {}, {QStringLiteral("(Blank)")}},
                                            {false, true, false});
        QVERIFY(fixture.view.IsFiltered());
        QCOMPARE(spyModel.last(), (QList<QVariant>{2, 31, true}));
        QVERIFY(spyWidth.count() >= 1);
        fixture.view.OnCurrentPageChanged(1);
        const QStringList listPage1 = Column(fixture.view.model());
        QCOMPARE(listPage1.size(), 20);
        QCOMPARE(listPage1.first(), QStringLiteral("B00002"));
        QCOMPARE(listPage1.at(1), QStringLiteral("B00005"));
        fixture.view.OnCurrentPageChanged(2);
        QCOMPARE(fixture.view.model()->rowCount(), 11);
        QCOMPARE(fixture.view.GetModelNoPageInfo()->rowCount(), 31);

        fixture.view.ResetFilterModel();
        QVERIFY(!fixture.view.IsFiltered());
        QCOMPARE(spyModel.last(), (QList<QVariant>{5, 95, true}));
        fixture.view.OnCurrentPageChanged(1);
        QCOMPARE(Column(fixture.view.model()).at(1), QStringLiteral("B00001"));
    }

    void searchWordsInOrder_data()
    {
        QTest::addColumn<QString>("strSearch");
        QTest::addColumn<int>("iMatches");

        QTest::newRow("two words, other text between") << "north lane" << 4;
        QTest::newRow("words in the wrong order") << "lane north" << 0;
        QTest::newRow("upper case") << "DEPOT" << 3;
        QTest::newRow("invalid expression text") << "[(" << 0;
        QTest::newRow("empty") << QString() << 10;
        QTest::newRow("only blanks") << "   " << 10;
    }

    void searchWordsInOrder()
    {
        QFETCH(QString, strSearch);
        QFETCH(int, iMatches);

        CFixture fixture(10);
        fixture.view.StartFilterByCustomStr(strSearch);
        QCOMPARE(fixture.view.GetModelNoPageInfo()->rowCount(), iMatches);
        QVERIFY(fixture.view.IsFiltered());
    }

    // The search's wildcard expression is also the proxies' filter expression.
    void searchSetsFilterExpression()
    {
        CFixture fixture(10);
        fixture.view.StartFilterByCustomStr(QStringLiteral("north lane"));
        const auto* pPaged = qobject_cast<const QSortFilterProxyModel*>(fixture.view.model());
        QVERIFY(pPaged);
        for (const QSortFilterProxyModel* pProxy : {pPaged, static_cast<const QSortFilterProxyModel*>(
                                                               fixture.view.GetModelNoPageInfo())}) {
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
            QCOMPARE(pProxy->filterRegExp(),
                     QRegExp(QStringLiteral("north*lane"), Qt::CaseInsensitive, QRegExp::Wildcard));
#else
            const QRegularExpression regFilter = pProxy->filterRegularExpression();
            QVERIFY(regFilter.match(QStringLiteral("Gate NORTH, lane 2")).hasMatch());
            QVERIFY(!regFilter.match(QStringLiteral("lane north")).hasMatch());
#endif
        }
    }

    void sortRetagsSortedOrder()
    {
        CFixture fixture(45);
        QSignalSpy spy(&fixture.view, &CFilterTreeView::SignalModelChanged);
        fixture.view.SetDescendingOrder(0);
        QCOMPARE(spy.last(), (QList<QVariant>{3, 45, true}));
        QCOMPARE(Column(fixture.view.model()).first(), QStringLiteral("B00044"));
        QCOMPARE(fixture.view.model()->rowCount(), 20);
        fixture.view.OnSortTable(0, Qt::AscendingOrder);
        QCOMPARE(Column(fixture.view.model()).first(), QStringLiteral("B00000"));
        fixture.view.OnCurrentPageChanged(3);
        QCOMPARE(Column(fixture.view.model()), (QStringList{"B00040", "B00041", "B00042", "B00043", "B00044"}));
    }

    void resizeSignals()
    {
        CFixture fixture(30);
        fixture.view.resize(400, 300);
        fixture.view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fixture.view));
        QSignalSpy spy(&fixture.view, &CFilterTreeView::SignalResizeChanged);
        fixture.view.resize(400, 300);
        QCOMPARE(spy.count(), 0);
        fixture.view.resize(420, 260);
        fixture.view.resize(500, 260);
        QCOMPARE(spy.count(), 2);
        // The queued re-paging shows the page model again.
        QTRY_COMPARE(fixture.view.model(), static_cast<QAbstractItemModel*>(fixture.view.findChildren<CSortFilterProxyModel*>().first()));
    }

    void okButtonPagesOnWorker()
    {
        CFixture fixture(50, 10);
        QSignalSpy spy(&fixture.view, &CFilterTreeView::SignalModelChanged);
        QAbstractItemModel* pShown = fixture.view.model();
        fixture.view.OnSignalOkBtnClick();
        QTRY_COMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0), (QList<QVariant>{5, 50, true}));
        QCOMPARE(fixture.view.model(), pShown);
        QVERIFY(fixture.view.updatesEnabled());
        QCOMPARE(Tags(fixture.model, {49}), QStringList{"Page005"});
    }

    void searchRefill()
    {
        CFixture fixture(30);
        fixture.view.StartFilterByCustomStr(QStringLiteral("depot"));
        fixture.view.StartSearch();
        QVERIFY(!fixture.view.IsFiltered());
        QCOMPARE(fixture.view.TopLevelItemCount(), 0);
        QCOMPARE(fixture.view.model(), nullptr);
        fixture.view.AddTopLevelItems(MakeRows(7, 100));
        QSignalSpy spy(&fixture.view, &CFilterTreeView::SignalModelChanged);
        fixture.view.EndSearch();
        QCOMPARE(spy.last(), (QList<QVariant>{1, 7, true}));
        QVERIFY(fixture.view.model());
        fixture.view.OnSignalStartFiltering(true);
        QCOMPARE(fixture.view.model(), nullptr);
        fixture.view.OnSignalStartFiltering(false);
        QVERIFY(fixture.view.model());
    }

    void multiPageView()
    {
        QStandardItemModel model(0, 2);
        for (int i = 0; i < 95; ++i)
            model.appendRow({new QStandardItem(QStringLiteral("Plate %1").arg(i)), new QStandardItem(QStringLiteral("Gate"))});
        CMultiPageTreeView view;
        view.resize(751, 431);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.SetModel(&model);
        auto* pTree = view.findChild<QTreeView*>(QStringLiteral("m_pTreeView"));
        view.DoPaging();
        const unsigned int uPages = view.GetPageCount();
        QVERIFY(uPages > 1);
        const int iPageSize = pTree->model()->rowCount();
        QCOMPARE(model.index(iPageSize, 0).data(Qt::UserRole + 1).toString(), QStringLiteral("Page002"));
        QCOMPARE(view.findChild<QLabel*>(QStringLiteral("m_pLabelTotalItem"))->text(), QStringLiteral("95"));
        QCOMPARE(view.findChild<QLabel*>(QStringLiteral("m_pLabelCurPage"))->text(), QStringLiteral("1/%1").arg(uPages));
        view.OnGotoPage(2);
        QCOMPARE(pTree->model()->index(0, 0).data().toString(), QStringLiteral("Plate %1").arg(iPageSize));
        QCOMPARE(view.findChild<QLabel*>(QStringLiteral("m_pLabelCurPage"))->text(), QStringLiteral("2/%1").arg(uPages));
        // "Total" is the count at SetModel(); later changes leave it alone.
        model.removeRows(0, 90);
        model.appendRow(new QStandardItem(QStringLiteral("Plate 95")));
        QCOMPARE(view.findChild<QLabel*>(QStringLiteral("m_pLabelTotalItem"))->text(), QStringLiteral("95"));
        view.SetModel(&model);
        QCOMPARE(view.findChild<QLabel*>(QStringLiteral("m_pLabelTotalItem"))->text(), QStringLiteral("6"));
    }

    void multiPageTinyView()
    {
        QStandardItemModel model(3, 1);
        CMultiPageTreeView view;
        view.resize(300, 10);
        view.SetModel(&model);
        view.DoPaging();
        QCOMPARE(view.GetPageCount(), 0U);
        QCOMPARE(view.findChild<QLabel*>(QStringLiteral("m_pLabelCurPage"))->text(), QStringLiteral("1/1"));
        view.SetModel(nullptr);
        view.DoPaging();
        QCOMPARE(view.GetPageCount(), 0U);
    }

    void filterViewContainer()
    {
        QStandardItemModel model;
        for (const char* pszCamera : {"North gate", "South gate", "Depot exit"})
            model.appendRow(new QStandardItem(QLatin1String(pszCamera)));
        auto* pFirst = new QListView;
        pFirst->setModel(&model);
        CFilterViewContainer container(pFirst, true);
        QCOMPARE(container.View(), pFirst);
        QCOMPARE(pFirst->parentWidget(), &container);
        QCOMPARE(pFirst->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QSignalSpy spyClicked(&container, &CFilterViewContainer::SignalClicked);
        Q_EMIT pFirst->clicked(model.index(1, 0));
        QCOMPARE(spyClicked.count(), 1);

        auto* pEdit = container.findChild<QLineEdit*>();
        QVERIFY(pEdit && !pEdit->parentWidget()->isHidden());
        pEdit->setText(QStringLiteral("GATE"));
        QVERIFY(!pFirst->isRowHidden(0));
        QVERIFY(pFirst->isRowHidden(2));
        container.ClearFilterText();
        QCOMPARE(pEdit->text(), QString());
        QVERIFY(!pFirst->isRowHidden(2));

        const QPointer<QListView> pOld(pFirst);
        auto* pSecond = new QListView;
        container.SetView(pSecond);
        QVERIFY(pOld.isNull());
        container.SetView(nullptr);
        QCOMPARE(container.View(), pSecond);
    }
};

QTEST_MAIN(TestFilterTreeView)
#include "tst_filtertreeview.moc"
