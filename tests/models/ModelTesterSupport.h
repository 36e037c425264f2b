#ifndef ORVATESTS_MODELTESTERSUPPORT_H
#define ORVATESTS_MODELTESTERSUPPORT_H

#include <QtCore/QIdentityProxyModel>
#include <QtTest/QAbstractItemModelTester>

#include <memory>

namespace ModelTest {

// The tree model gives the invalid index the default node flags (0x39), so
// that the top level takes drops and checks; Qt's tester insists on drop-only
// flags there. Every other call and signal passes through the proxy
// unchanged, so the tester still checks the model's structure.
class CRootFlagsProxy : public QIdentityProxyModel
{
public:
    Qt::ItemFlags flags(const QModelIndex& miIndex) const override
    {
        return miIndex.isValid() ? QIdentityProxyModel::flags(miIndex) : Qt::ItemIsDropEnabled;
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
