#include <OrvaGUIToolkit/ItemView/TreeView.h>
#include <OrvaGUIToolkit/ItemView/TreeViewItem.h>
#include <OrvaGUIToolkit/ItemView/TreeViewModel.h>

#include "ModelTesterSupport.h"

#include <QtTest/QtTest>

using namespace OrvaGUIToolkit;

class TestTreeView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void checkingLastLeafChecksAncestors();
    void uncheckingChildren_data();
    void uncheckingChildren();
    void checkingParentChecksDescendants();
    void partialParentLeavesChildren();
    void removingOnlyUncheckedChildChecksParent();
    void insertingUncheckedChildMakesParentPartial();
    void propagationCanBeSwitchedOff();
    void connectionsFollowTheModel();
    void expandState();

private:
    int State(const QModelIndex& miIndex) const
    {
        return miIndex.data(Qt::CheckStateRole).toInt();
    }

    QModelIndex Node(int iArea, int iDevice = -1, int iChannel = -1) const
    {
        QModelIndex miIndex = m_pModel->index(iArea, 0);
        if (iDevice >= 0)
            miIndex = m_pModel->index(iDevice, 0, miIndex);
        if (iChannel >= 0)
            miIndex = m_pModel->index(iChannel, 0, miIndex);
        return miIndex;
    }

    CTreeViewModel* m_pModel = nullptr;
    CTreeView* m_pView = nullptr;
    std::unique_ptr<ModelTest::CWatchedModel> m_pWatched;
};

// Two areas, each with two devices of three channels, all unchecked.
void TestTreeView::init()
{
    m_pModel = new CTreeViewModel;
    m_pWatched = std::make_unique<ModelTest::CWatchedModel>(m_pModel);
    m_pModel->insertColumns(0, 1);
    m_pModel->insertRows(0, 2);
    for (int iArea = 0; iArea < 2; ++iArea) {
        m_pModel->insertRows(0, 2, Node(iArea));
        for (int iDevice = 0; iDevice < 2; ++iDevice)
            m_pModel->insertRows(0, 3, Node(iArea, iDevice));
    }
    std::function<void(const QModelIndex&)> setUnchecked = [&](const QModelIndex& miParent) {
        for (int iRow = 0; iRow < m_pModel->rowCount(miParent); ++iRow) {
            const QModelIndex miChild = m_pModel->index(iRow, 0, miParent);
            m_pModel->GetItem(miChild)->SetCheckBoxState(0, false);
            setUnchecked(miChild);
        }
    };
    setUnchecked(QModelIndex());
    m_pView = new CTreeView;
    m_pView->setModel(m_pModel);
}

void TestTreeView::cleanup()
{
    delete m_pView;
    m_pWatched.reset();
    delete m_pModel;
}

void TestTreeView::checkingLastLeafChecksAncestors()
{
    m_pModel->setData(Node(0, 0, 0), Qt::Checked, Qt::CheckStateRole);
    m_pModel->setData(Node(0, 0, 1), Qt::Checked, Qt::CheckStateRole);
    QCOMPARE(State(Node(0, 0)), int(Qt::PartiallyChecked));
    QCOMPARE(State(Node(0)), int(Qt::PartiallyChecked));
    m_pModel->setData(Node(0, 0, 2), Qt::Checked, Qt::CheckStateRole);
    QCOMPARE(State(Node(0, 0)), int(Qt::Checked));
    QCOMPARE(State(Node(0)), int(Qt::PartiallyChecked));
    QCOMPARE(State(Node(1)), int(Qt::Unchecked));
}

void TestTreeView::uncheckingChildren_data()
{
    QTest::addColumn<int>("unchecked");
    QTest::addColumn<int>("parentState");
    QTest::newRow("one of three") << 1 << int(Qt::PartiallyChecked);
    QTest::newRow("all three") << 3 << int(Qt::Unchecked);
}

void TestTreeView::uncheckingChildren()
{
    QFETCH(int, unchecked);
    QFETCH(int, parentState);
    m_pModel->setData(Node(1, 1), Qt::Checked, Qt::CheckStateRole);
    QCOMPARE(State(Node(1)), int(Qt::PartiallyChecked));
    for (int iChannel = 0; iChannel < unchecked; ++iChannel)
        m_pModel->setData(Node(1, 1, iChannel), Qt::Unchecked, Qt::CheckStateRole);
    QCOMPARE(State(Node(1, 1)), parentState);
    QCOMPARE(State(Node(1)), parentState);
}

void TestTreeView::checkingParentChecksDescendants()
{
    m_pModel->setData(Node(0), Qt::Checked, Qt::CheckStateRole);
    for (int iDevice = 0; iDevice < 2; ++iDevice) {
        QCOMPARE(State(Node(0, iDevice)), int(Qt::Checked));
        for (int iChannel = 0; iChannel < 3; ++iChannel)
            QCOMPARE(State(Node(0, iDevice, iChannel)), int(Qt::Checked));
    }
    m_pModel->setData(Node(0), Qt::Unchecked, Qt::CheckStateRole);
    QCOMPARE(State(Node(0, 1, 2)), int(Qt::Unchecked));
}

void TestTreeView::partialParentLeavesChildren()
{
    m_pModel->setData(Node(0, 0, 1), Qt::Checked, Qt::CheckStateRole);
    m_pModel->setData(Node(0, 0), Qt::PartiallyChecked, Qt::CheckStateRole);
    QCOMPARE(State(Node(0, 0, 0)), int(Qt::Unchecked));
    QCOMPARE(State(Node(0, 0, 1)), int(Qt::Checked));
    QCOMPARE(State(Node(0)), int(Qt::PartiallyChecked));
}

void TestTreeView::removingOnlyUncheckedChildChecksParent()
{
    m_pModel->setData(Node(1, 0, 0), Qt::Checked, Qt::CheckStateRole);
    m_pModel->setData(Node(1, 0, 1), Qt::Checked, Qt::CheckStateRole);
    QCOMPARE(State(Node(1, 0)), int(Qt::PartiallyChecked));
    QVERIFY(m_pModel->removeRows(2, 1, Node(1, 0)));
    QCOMPARE(State(Node(1, 0)), int(Qt::Checked));
}

void TestTreeView::insertingUncheckedChildMakesParentPartial()
{
    m_pModel->setData(Node(0, 1), Qt::Checked, Qt::CheckStateRole);
    auto* pChannel = new CTreeViewItem;
    pChannel->SetCheckBoxState(0, false);
    QVERIFY(m_pModel->insertRow(pChannel, 3, Node(0, 1)));
    QCOMPARE(State(Node(0, 1)), int(Qt::PartiallyChecked));
}

void TestTreeView::propagationCanBeSwitchedOff()
{
    m_pView->SetAutoChangeCheckbox(false);
    m_pModel->setData(Node(0), Qt::Checked, Qt::CheckStateRole);
    QCOMPARE(State(Node(0, 0)), int(Qt::Unchecked));
    m_pModel->setData(Node(1, 0, 0), Qt::Checked, Qt::CheckStateRole);
    QCOMPARE(State(Node(1, 0)), int(Qt::Unchecked));
}

void TestTreeView::connectionsFollowTheModel()
{
    CTreeViewModel other;
    other.insertColumns(0, 1);
    other.insertRows(0, 1);
    other.GetItem(other.index(0, 0))->SetCheckBoxState(0, true);
    m_pView->setModel(&other);
    // The old model no longer drives the view.
    m_pModel->setData(Node(0, 0, 0), Qt::Checked, Qt::CheckStateRole);
    QCOMPARE(State(Node(0, 0)), int(Qt::Unchecked));
    other.insertRows(0, 1, other.index(0, 0));
    QCOMPARE(State(other.index(0, 0)), int(Qt::Unchecked));
    m_pView->setModel(m_pModel);
}

void TestTreeView::expandState()
{
    CTreeView::ExpandState enumState = CTreeView::PartlyExpanded;
    QVERIFY(!m_pView->GetExpandState(enumState, Node(0, 0, 0)));
    QVERIFY(m_pView->GetExpandState(enumState, Node(0)));
    QCOMPARE(enumState, CTreeView::AllCollapsed);
    m_pView->ExpandAll(Node(0));
    QVERIFY(m_pView->GetExpandState(enumState, Node(0)));
    QCOMPARE(enumState, CTreeView::AllExpanded);
    m_pView->collapse(Node(0, 1));
    QVERIFY(m_pView->GetExpandState(enumState, Node(0)));
    QCOMPARE(enumState, CTreeView::PartlyExpanded);
    m_pView->CollapseAll(QModelIndex());
    QVERIFY(m_pView->GetExpandState(enumState, Node(0)));
    QCOMPARE(enumState, CTreeView::AllCollapsed);
    QVERIFY(!m_pView->isExpanded(Node(1, 1)));
}

QTEST_MAIN(TestTreeView)
#include "tst_treeview.moc"
