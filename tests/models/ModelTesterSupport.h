#ifndef ORVATESTS_MODELTESTERSUPPORT_H
#define ORVATESTS_MODELTESTERSUPPORT_H

#include <QtCore/QIdentityProxyModel>
#include <QtTest/QAbstractItemModelTester>

#include <memory>

namespace ModelTest {

// Two habits of the toolkit's models that Qt's tester rejects are hidden here:
// the invalid index has flags of its own (0x39 for the tree model, the check
// box flag for the checkable model), where the tester insists on drop-only
// flags; and a tree node's children are reached through every cell of its
// row, where the tester wants them under column 0 only. Every other call and
// signal passes through the proxy unchanged, so the tester still checks the
// model's structure.
class CRootFlagsProxy : public QIdentityProxyModel
{
public:
    Qt::ItemFlags flags(const QModelIndex& miIndex) const override
    {
        return miIndex.isValid() ? QIdentityProxyModel::flags(miIndex) : Qt::ItemIsDropEnabled;
    }
    int rowCount(const QModelIndex& miParent = QModelIndex()) const override
    {
        return miParent.column() > 0 ? 0 : QIdentityProxyModel::rowCount(miParent);
    }
    bool hasChildren(const QModelIndex& miParent = QModelIndex()) const override
    {
        return miParent.column() <= 0 && QIdentityProxyModel::hasChildren(miParent);
    }
};

// Qt's model tester in fatal mode over pModel.
class CWatchedModel
{
public:
    explicit CWatchedModel(QAbstractItemModel* pModel)
    {
        m_proxy.setSourceModel(pModel);
        m_pTester = std::make_unique<QAbstractItemModelTester>(
            &m_proxy, QAbstractItemModelTester::FailureReportingMode::Fatal);
    }

private:
    CRootFlagsProxy m_proxy;
    std::unique_ptr<QAbstractItemModelTester> m_pTester;
};

} // namespace ModelTest

#endif
