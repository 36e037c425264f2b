#ifndef ORVAGUITOOLKIT_ITEMVIEW_STANDARDITEMMODEL_H
#define ORVAGUITOOLKIT_ITEMVIEW_STANDARDITEMMODEL_H

#include <OrvaGUIToolkit/ItemView/ModelKeyMapping.h>

#include <QtGui/QStandardItemModel>

namespace OrvaGUIToolkit {

// A standard item model whose items are CStandardItem, whose reads go through
// its (column, role) redirection table, and whose rows show their text in red
// when it contains one of the keywords kept in the horizontal header of
// section 0 under HighlightKeywordsRole.
class ORVAGUITOOLKIT_EXPORT CStandardItemModel : public QStandardItemModel, public CModelKeyMapping
{
    Q_OBJECT

public:
    explicit CStandardItemModel(QObject* pParent = nullptr);
    ~CStandardItemModel() override;

    QVariant data(const QModelIndex& miIndex, int iRole = Qt::DisplayRole) const override;
    // Emits SignalRemoveKeyRole when value is invalid, whatever the base did.
    bool setData(const QModelIndex& miIndex, const QVariant& value, int iRole = Qt::EditRole) override;

public Q_SLOTS:
    void OnRemoveAllRows();

Q_SIGNALS:
    void SignalRemoveKeyRole(QModelIndex miIndex, int iRole);
};

} // namespace OrvaGUIToolkit

#endif
