#include <OrvaGUIToolkit/Foundation/MultiPairData.h>

#include <algorithm>

namespace OrvaGUIToolkit {

CMultiPairData::CMultiPairData() = default;
CMultiPairData::~CMultiPairData() = default;

std::vector<CPairData>::iterator CMultiPairData::Find(const QVariant& first)
{
    return std::find_if(m_vecPairData.begin(), m_vecPairData.end(),
                        [&first](const CPairData& pair) { return pair.GetFirst() == first; });
}

void CMultiPairData::InsertPairData(const QVariant& first, const QVariant& second)
{
    const auto it = Find(first);
    if (it == m_vecPairData.end())
        m_vecPairData.emplace_back(first, second);
    else if (!second.isValid())
        m_vecPairData.erase(it);
    else if (it->GetSecond() != second)
        it->SetSecond(second);
}

void CMultiPairData::RemovePairData(const QVariant& first)
{
    const auto it = Find(first);
    if (it != m_vecPairData.end())
        m_vecPairData.erase(it);
}

QVariant CMultiPairData::GetPairData(const QVariant& first) const
{
    const auto it = std::find_if(m_vecPairData.cbegin(), m_vecPairData.cend(),
                                 [&first](const CPairData& pair) { return pair.GetFirst() == first; });
    return it == m_vecPairData.cend() ? QVariant() : it->GetSecond();
}

int CMultiPairData::Count() const
{
    return static_cast<int>(m_vecPairData.size());
}

bool CMultiPairData::operator==(const CMultiPairData& other) const
{
    return m_vecPairData == other.m_vecPairData;
}

} // namespace OrvaGUIToolkit
