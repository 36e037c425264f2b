#include <OrvaGUIToolkit/Foundation/PairData.h>

namespace OrvaGUIToolkit {

CPairData::CPairData() = default;

CPairData::CPairData(const QVariant& first, const QVariant& second)
    : m_first(first)
    , m_second(second)
{
}

CPairData::CPairData(const CPairData& other) = default;
CPairData& CPairData::operator=(const CPairData& other) = default;
CPairData::~CPairData() = default;

void CPairData::SetFirst(const QVariant& first)
{
    m_first = first;
}

QVariant CPairData::GetFirst() const
{
    return m_first;
}

void CPairData::SetSecond(const QVariant& second)
{
    m_second = second;
}

QVariant CPairData::GetSecond() const
{
    return m_second;
}

bool CPairData::operator==(const CPairData& other) const
{
    return m_first == other.m_first && m_second == other.m_second;
}

bool CPairData::operator!=(const CPairData& other) const
{
    return !(*this == other);
}

} // namespace OrvaGUIToolkit
