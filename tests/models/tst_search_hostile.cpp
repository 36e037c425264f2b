#include <OrvaGUIToolkit/OrvaGUIToolkit.h>

#include <QtCore/QPointer>
#include <QtCore/QSemaphore>
#include <QtCore/QThread>
#include <QtCore/QTimer>
#include <QtGui/QStandardItemModel>
#include <QtTest/QtTest>
#include <QtWidgets/QHeaderView>

#include <climits>

using namespace OrvaGUIToolkit;

namespace {

QList<CTreeViewItem*> MakeRows(int iCount)
{
    QList<CTreeViewItem*> listItems;
    for (int i = 0; i < iCount; ++i) {
        auto* pItem = new CTreeViewItem;
        pItem->InsertColumns(0, 2);
        pItem->SetText(0, QStringLiteral("C%1").arg(i));
        pItem->SetText(1, i % 2 ? QStringLiteral("Gate") : QString());
        listItems << pItem;
    }
    return listItems;
}

// A filter view over iRows rows of a two-column tree model.
struct CFixture
{
    explicit CFixture(int iRows)
    {
        model.insertColumns(0, 2);
        view.SetSourceModel(&model);
        view.AddTopLevelItems(MakeRows(iRows));
    }
    CTreeViewModel model;
    CFilterTreeView view;
};

// A model whose reads on a worker thread wait at a gate the test opens, so
// that the test can act while a search is certainly running.
class CGatedModel : public CTreeViewModel
{
public:
    QVariant data(const QModelIndex& index, int iRole) const override
    {
        if (QThread::currentThread() != thread()) {
            m_entered.release();
            m_gate.acquire();
            m_gate.release();
        }
        return CTreeViewModel::data(index, iRole);
    }
    mutable QSemaphore m_entered;
    mutable QSemaphore m_gate;
};

} // namespace

class TestSearchHostile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Page sizes and numbers out of any range: one row per page, all rows on one
    // page, or nothing shown.
    void pagingExtremes()
    {
        CFixture fixture(25);
        CFilterTreeView& view = fixture.view;
        view.resize(300, 0);
        QVector<int> vecPages;
        for (const std::pair<bool, int>& size : {std::make_pair(false, INT_MIN), std::make_pair(false, INT_MAX),
                                                 std::make_pair(true, 0)}) {
            view.SetItemsPerPage(size.first, size.second);
            view.DoPaging();
            vecPages << view.GetPageCount();
        }
        QCOMPARE(vecPages, (QVector<int>{25, 1, 25}));
        view.SetItemsPerPage(false, 10);
        view.DoPaging();
        for (int iPage : {0, INT_MAX}) {
            view.OnCurrentPageChanged(iPage);
            QCOMPARE(view.model()->rowCount(), 0);
        }
        view.OnCurrentPageChanged(3);
        QCOMPARE(view.model()->rowCount(), 5);
        view.SetAscendingOrder(INT_MAX);
        view.SetDescendingOrder(-5);
    }

    void noSourceModel()
    {
        CFilterTreeView view;
        QTest::ignoreMessage(QtWarningMsg, "CFilterTreeView::AddTopLevelItems: m_pSourceModel == NULL");
        view.AddTopLevelItems(MakeRows(3));
        QCOMPARE(view.TopLevelItemCount(), 0);
        view.DoPaging();
        view.OnCurrentPageChanged(1);
        view.StartFilterByCustomStr(QStringLiteral("a"));
        view.StartFilterByTextgroup({{QStringLiteral("a")}}, {false});
        view.OnSignalResizeChanged();
        view.OnSignalOkBtnClick();
        view.SetAscendingOrder(0);
        view.StartSearch();
        view.EndSearch();
        QCOMPARE(view.GetPageCount(), 0);

        // A source deleted under the view leaves it empty, not dangling.
        auto* pModel = new CTreeViewModel;
        pModel->insertColumns(0, 2);
        view.SetSourceModel(pModel);
        view.AddTopLevelItems(MakeRows(3));
        delete pModel;
        view.DoPaging();
        QCOMPARE(view.TopLevelItemCount(), 0);
    }

    // Every signal the search views emit from their own handlers, with a slot
    // that deletes the view.
    void deletingSlots_data()
    {
        QTest::addColumn<int>("iCase");
        QTest::newRow("CFilterTreeView::SignalClickRelease") << 0;
        QTest::newRow("CFilterTreeView::SignalModelChanged from a header click") << 1;
        QTest::newRow("CFilterTreeView::SignalResizeChanged") << 2;
        QTest::newRow("CMultiPageTreeView::SignalTableHeaderClicked") << 3;
    }

    void deletingSlots()
    {
        QFETCH(int, iCase);
        CTreeViewModel model;
        model.insertColumns(0, 2);
        QStandardItemModel plain(30, 2);
        auto* pMulti = iCase == 3 ? new CMultiPageTreeView : nullptr;
        auto* pView = pMulti ? nullptr : new CFilterTreeView;
        QPointer<QWidget> pWidget = pMulti ? static_cast<QWidget*>(pMulti) : pView;
        pWidget->resize(300, 300);
        pWidget->show();
        QVERIFY(QTest::qWaitForWindowExposed(pWidget));
        const auto deleteView = [pWidget] { delete pWidget.data(); };
        if (pMulti) {
            pMulti->SetSortingEnabled(true, Qt::DisplayRole);
            pMulti->SetModel(&plain);
            connect(pMulti, &CMultiPageTreeView::SignalTableHeaderClicked, deleteView);
            Q_EMIT pMulti->findChild<QHeaderView*>()->sectionClicked(0);
            QVERIFY(pWidget.isNull());
            return;
        }
        pView->SetSourceModel(&model);
        pView->AddTopLevelItems(MakeRows(30));
        pView->DoPaging();
        pView->OnCurrentPageChanged(1);
        connect(pView, &CFilterTreeView::SignalClickRelease, deleteView);
        connect(pView, &CFilterTreeView::SignalModelChanged, deleteView);
        connect(pView, &CFilterTreeView::SignalResizeChanged, deleteView);
        if (iCase == 0)
            QTest::mouseClick(pView->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 5));
        else if (iCase == 1)
            pView->header()->setSortIndicator(1, Qt::DescendingOrder);
        else
            pView->resize(320, 280);
        QVERIFY(pWidget.isNull());
    }

    // A second search requested while the first runs on the worker (from a
    // timer: the wait dialog blocks the user) is refused; the first completes.
    void searchWhileSearching()
    {
        CGatedModel model;
        model.insertColumns(0, 2);
        CFilterTreeView view;
        view.SetSourceModel(&model);
        view.AddTopLevelItems(MakeRows(20));
        QTimer::singleShot(0, &view, [&] {
            model.m_entered.acquire();
            QTest::ignoreMessage(QtWarningMsg, "CFilterTreeView::StartFilterByCustomStr: a search is still running");
            view.StartFilterByCustomStr(QStringLiteral("Gate"));
            QTest::ignoreMessage(QtWarningMsg, "CFilterTreeView::OnSignalOkBtnClick: a search is still running");
            view.OnSignalOkBtnClick();
            model.m_gate.release();
        });
        view.StartFilterByCustomStr(QStringLiteral("C1"));
        QVERIFY(view.model());
        QCOMPARE(view.model()->rowCount(), 11);
    }
};

QTEST_MAIN(TestSearchHostile)
#include "tst_search_hostile.moc"
