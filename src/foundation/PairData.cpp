#include <OrvaGUIToolkit/Foundation/PairData.h>

#include "foundation/PairDataPrivate.h"

namespace OrvaGUIToolkit {

CPairData::CPairData()
    : d_ptr(new CPairDataPrivate)
{
}

CPairData::CPairData(const QVariant& first, const QVariant& second)
    : d_ptr(new CPairDataPrivate{first, second})
{
}

CPairData::CPairData(const CPairData& other)
    : d_ptr(new CPairDataPrivate(*other.d_ptr))
{
}

CPairData& CPairData::operator=(const CPairData& other)
{
    *d_ptr = *other.d_ptr;
    return *this;
}

CPairData::~CPairData() = default;

void CPairData::SetFirst(const QVariant& first)
{
    Q_D(CPairData);
    d->m_first = first;
}

QVariant CPairData::GetFirst() const
{
    Q_D(const CPairData);
    return d->m_first;
}

void CPairData::SetSecond(const QVariant& second)
{
    Q_D(CPairData);
    d->m_second = second;
}

QVariant CPairData::GetSecond() const
{
    Q_D(const CPairData);
    return d->m_second;
}

bool CPairData::operator==(const CPairData& other) const
{
    Q_D(const CPairData);
    return d->m_first == other.d_ptr->m_first && d->m_second == other.d_ptr->m_second;
}

bool CPairData::operator!=(const CPairData& other) const
{
    return !(*this == other);
}

} // namespace OrvaGUIToolkit
