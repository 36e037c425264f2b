#include <OrvaGUIToolkit/OrvaGUIToolkit.h>

#include "ModelTesterSupport.h"

#include <QtTest/QtTest>

using namespace OrvaGUIToolkit;

namespace {

// Refuses check states for one chosen node, as a model with a locked row may.
class CRefusingModel : public CTreeViewModel
{
public:
    bool setData(const QModelIndex& miIndex, const QVariant& value, int iRole) override
    {
        if (iRole == Qt::CheckStateRole && m_miRefused.isValid() && miIndex == m_miRefused)
            return false;
        return CTreeViewModel::setData(miIndex, value, iRole);
    }

    QPersistentModelIndex m_miRefused;
};

} // namespace

class TestTreeView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Two areas, each with two devices of three channels, all unchecked.
    void init()
    {
        m_pModel = new CRefusingModel;
        m_pWatched = std::make_unique<ModelTest::CWatchedModel>(m_pModel);
        m_pModel->insertColumns(0, 1);
        m_pModel->insertRows(0, 2);
        for (int iArea = 0; iArea < 2; ++iArea) {
            const QModelIndex miArea = m_pModel->index(iArea, 0);
            m_pModel->insertRows(0, 2, miArea);
            for (int iDevice = 0; iDevice < 2; ++iDevice)
                m_pModel->insertRows(0, 3, m_pModel->index(iDevice, 0, miArea));
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

    void cleanup()
    {
        delete m_pView;
        m_pWatched.reset();
        delete m_pModel;
    }

    // Check states set in order ("area.device.channel=state", 0 unchecked,
    // 1 partly, 2 checked) and the states expected afterwards.
    void checkPropagation_data()
    {
        QTest::addColumn<bool>("bAuto");
        QTest::addColumn<QString>("strSet");
        QTest::addColumn<QString>("strExpected");
        QTest::newRow("two of three leaves") << true << "0.0.0=2 0.0.1=2" << "0.0=1 0=1 1=0";
        QTest::newRow("all three leaves") << true << "0.0.0=2 0.0.1=2 0.0.2=2" << "0.0=2 0=1 1=0";
        QTest::newRow("one of three unchecked") << true << "1.1=2 1.1.0=0" << "1.1=1 1=1";
        QTest::newRow("all three unchecked") << true << "1.1=2 1.1.0=0 1.1.1=0 1.1.2=0" << "1.1=0 1=0";
        QTest::newRow("parent checks descendants") << true << "0=2" << "0.0=2 0.1=2 0.0.0=2 0.1.2=2 1=0";
        QTest::newRow("parent unchecks descendants") << true << "0=2 0=0" << "0.0=0 0.1.2=0";
        QTest::newRow("partial parent leaves children") << true << "0.0.1=2 0.0=1" << "0.0.0=0 0.0.1=2 0=1";
        QTest::newRow("switched off, parent") << false << "0=2" << "0.0=0";
        QTest::newRow("switched off, leaf") << false << "1.0.0=2" << "1.0=0";
    }

    void checkPropagation()
    {
        QFETCH(bool, bAuto);
        QFETCH(QString, strSet);
        QFETCH(QString, strExpected);
        m_pView->SetAutoChangeCheckbox(bAuto);
        for (const QString& strStep : strSet.split(QLatin1Char(' ')))
            m_pModel->setData(Node(qPrintable(strStep.section(QLatin1Char('='), 0, 0))),
                              strStep.section(QLatin1Char('='), 1).toInt(), Qt::CheckStateRole);
        for (const QString& strCheck : strExpected.split(QLatin1Char(' ')))
            QVERIFY2(State(Node(qPrintable(strCheck.section(QLatin1Char('='), 0, 0))))
                         == strCheck.section(QLatin1Char('='), 1).toInt(),
                     qPrintable(strCheck));
    }

    // A child that refuses the state pushed down makes the node partial; its
    // parent then follows the node's new state, not the one first written.
    void refusedChildLeavesParentPartial()
    {
        m_pModel->m_miRefused = Node("0.0.2");
        QVERIFY(m_pModel->setData(Node("0.0"), Qt::Checked, Qt::CheckStateRole));
        QCOMPARE(State(Node("0.0.0")), int(Qt::Checked));
        QCOMPARE(State(Node("0.0.1")), int(Qt::Checked));
        QCOMPARE(State(Node("0.0.2")), int(Qt::Unchecked));
        QCOMPARE(State(Node("0.0")), int(Qt::PartiallyChecked));
        QCOMPARE(State(Node("0")), int(Qt::PartiallyChecked));
        QCOMPARE(State(Node("1")), int(Qt::Unchecked));
    }

    // Removing the only unchecked child checks the parent; inserting an
    // unchecked one under a checked parent makes it partial.
    void rowChangesRecomputeParent()
    {
        m_pModel->setData(Node("1.0.0"), Qt::Checked, Qt::CheckStateRole);
        m_pModel->setData(Node("1.0.1"), Qt::Checked, Qt::CheckStateRole);
        QVERIFY(m_pModel->removeRows(2, 1, Node("1.0")));
        QCOMPARE(State(Node("1.0")), int(Qt::Checked));
        auto* pChannel = new CTreeViewItem;
        pChannel->SetCheckBoxState(0, false);
        QVERIFY(m_pModel->insertRow(pChannel, 2, Node("1.0")));
        QCOMPARE(State(Node("1.0")), int(Qt::PartiallyChecked));

        // Another model takes over: the old one no longer drives the view.
        CTreeViewModel other;
        other.insertColumns(0, 1);
        other.insertRows(0, 1);
        other.GetItem(other.index(0, 0))->SetCheckBoxState(0, true);
        m_pView->setModel(&other);
        m_pModel->setData(Node("0.0.0"), Qt::Checked, Qt::CheckStateRole);
        QCOMPARE(State(Node("0.0")), int(Qt::Unchecked));
        other.insertRows(0, 1, other.index(0, 0));
        QCOMPARE(State(other.index(0, 0)), int(Qt::Unchecked));
        m_pView->setModel(m_pModel);
    }

    void expandState()
    {
        const auto stateOf = [this](const char* pszPath) {
            CTreeView::ExpandState enumState = CTreeView::PartlyExpanded;
            return m_pView->GetExpandState(enumState, Node(pszPath)) ? int(enumState) : -1;
        };
        QCOMPARE(stateOf("0.0.0"), -1);
        QCOMPARE(stateOf("0"), int(CTreeView::AllCollapsed));
        m_pView->ExpandAll(Node("0"));
        QCOMPARE(stateOf("0"), int(CTreeView::AllExpanded));
        m_pView->collapse(Node("0.1"));
        QCOMPARE(stateOf("0"), int(CTreeView::PartlyExpanded));
        m_pView->CollapseAll(QModelIndex());
        QCOMPARE(stateOf("0"), int(CTreeView::AllCollapsed));
        QVERIFY(!m_pView->isExpanded(Node("1.1")));
    }

private:
    int State(const QModelIndex& miIndex) const
    {
        return miIndex.data(Qt::CheckStateRole).toInt();
    }

    // A node by its rows, "area.device.channel" with trailing parts optional.
    QModelIndex Node(const char* pszPath) const
    {
        QModelIndex miIndex;
        for (const QString& strRow : QString::fromLatin1(pszPath).split(QLatin1Char('.')))
            miIndex = m_pModel->index(strRow.toInt(), 0, miIndex);
        return miIndex;
    }

    CRefusingModel* m_pModel = nullptr;
    CTreeView* m_pView = nullptr;
    std::unique_ptr<ModelTest::CWatchedModel> m_pWatched;
};

QTEST_MAIN(TestTreeView)
#include "tst_treeview.moc"
