#include <OrvaGUIToolkit/Foundation/MultiPairData.h>

#include "foundation/MultiPairDataPrivate.h"

#include <algorithm>

namespace OrvaGUIToolkit {

std::vector<CPairData>::iterator CMultiPairDataPrivate::Find(const QVariant& first)
{
    return std::find_if(m_vecPairData.begin(), m_vecPairData.end(),
                        [&first](const CPairData& pair) { return pair.GetFirst() == first; });
}

std::vector<CPairData>::const_iterator CMultiPairDataPrivate::Find(const QVariant& first) const
{
    return std::find_if(m_vecPairData.cbegin(), m_vecPairData.cend(),
                        [&first](const CPairData& pair) { return pair.GetFirst() == first; });
}

CMultiPairData::CMultiPairData()
    : d_ptr(new CMultiPairDataPrivate)
{
}

CMultiPairData::CMultiPairData(const CMultiPairData& other)
    : d_ptr(new CMultiPairDataPrivate(*other.d_ptr))
{
}

CMultiPairData& CMultiPairData::operator=(const CMultiPairData& other)
{
    *d_ptr = *other.d_ptr;
    return *this;
}

CMultiPairData::~CMultiPairData() = default;

void CMultiPairData::InsertPairData(const QVariant& first, const QVariant& second)
{
    Q_D(CMultiPairData);
    const auto it = d->Find(first);
    if (it == d->m_vecPairData.end())
        d->m_vecPairData.emplace_back(first, second);
    else if (!second.isValid())
        d->m_vecPairData.erase(it);
    else if (it->GetSecond() != second)
        it->SetSecond(second);
}

void CMultiPairData::RemovePairData(const QVariant& first)
{
    Q_D(CMultiPairData);
    const auto it = d->Find(first);
    if (it != d->m_vecPairData.end())
        d->m_vecPairData.erase(it);
}

QVariant CMultiPairData::GetPairData(const QVariant& first) const
{
    Q_D(const CMultiPairData);
    const auto it = d->Find(first);
    return it == d->m_vecPairData.cend() ? QVariant() : it->GetSecond();
}

int CMultiPairData::Count() const
{
    Q_D(const CMultiPairData);
    return static_cast<int>(d->m_vecPairData.size());
}

bool CMultiPairData::operator==(const CMultiPairData& other) const
{
    Q_D(const CMultiPairData);
    return d->m_vecPairData == other.d_ptr->m_vecPairData;
}

} // namespace OrvaGUIToolkit
