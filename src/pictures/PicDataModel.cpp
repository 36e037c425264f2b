#include "pictures/PicDataModelPrivate.h"

namespace OrvaGUIToolkit {

CPicDataModel::CPicDataModel()
    : CPicDataModel(*new CPicDataModelPrivate)
{
}

CPicDataModel::CPicDataModel(CPicDataModelPrivate& dd)
    : d_ptr(&dd)
{
    d_ptr->q_ptr = this;
}

CPicDataModel::~CPicDataModel() = default;

void CPicDataModel::AddItem(unsigned uLsh, const QVariant& item)
{
    Q_D(CPicDataModel);
    if (!d->m_hashItems.contains(uLsh))
        d->m_listOrder.append(uLsh);
    d->m_hashItems.insert(uLsh, item);
}

bool CPicDataModel::DelItem(unsigned uLsh)
{
    Q_D(CPicDataModel);
    if (d->m_hashItems.remove(uLsh) == 0)
        return false;
    d->m_listOrder.removeOne(uLsh);
    return true;
}

void CPicDataModel::ClearAll()
{
    Q_D(CPicDataModel);
    d->m_hashItems.clear();
    d->m_listOrder.clear();
}

QVariant CPicDataModel::GetItem(unsigned uLsh) const
{
    Q_D(const CPicDataModel);
    return d->m_hashItems.value(uLsh);
}

bool CPicDataModel::HasItem(unsigned uLsh) const
{
    Q_D(const CPicDataModel);
    return d->m_hashItems.contains(uLsh);
}

int CPicDataModel::GetItemCount() const
{
    Q_D(const CPicDataModel);
    return d->m_listOrder.size();
}

QList<unsigned> CPicDataModel::GetPicLshs() const
{
    Q_D(const CPicDataModel);
    return d->m_listOrder;
}

} // namespace OrvaGUIToolkit
