#include <OrvaGUIToolkit/Layout/LayoutElementConfig.h>

#include <climits>

namespace OrvaGUIToolkit {

class CLayoutElementConfigPrivate
{
public:
    QString m_strName;
    struSplitTypeData::SplitType m_enumSplitType = 0;
    int m_iWndCount = 0;
    QString m_strRowStretch;
    QString m_strColumnStretch;
    QVector<struLayoutElementData> m_vecItems;
};

CLayoutElementConfig::CLayoutElementConfig()
    : d_ptr(new CLayoutElementConfigPrivate)
{
}

CLayoutElementConfig::CLayoutElementConfig(const CLayoutElementConfig& other)
    : d_ptr(new CLayoutElementConfigPrivate(*other.d_ptr))
{
}

CLayoutElementConfig& CLayoutElementConfig::operator=(const CLayoutElementConfig& other)
{
    *d_ptr = *other.d_ptr;
    return *this;
}

CLayoutElementConfig::~CLayoutElementConfig() = default;

const QString& CLayoutElementConfig::GetLayoutName() const
{
    return d_func()->m_strName;
}

void CLayoutElementConfig::SetLayoutName(const QString& strName)
{
    d_func()->m_strName = strName;
}

struSplitTypeData::SplitType CLayoutElementConfig::GetLayoutSplitType() const
{
    return d_func()->m_enumSplitType;
}

void CLayoutElementConfig::SetLayoutSplitType(struSplitTypeData::SplitType enumSplitType)
{
    d_func()->m_enumSplitType = enumSplitType;
}

int CLayoutElementConfig::GetLayoutWndCount() const
{
    return d_func()->m_iWndCount;
}

void CLayoutElementConfig::SetLayoutWndCount(int iCount)
{
    d_func()->m_iWndCount = iCount;
}

const QString& CLayoutElementConfig::GetLayoutRowstretch() const
{
    return d_func()->m_strRowStretch;
}

void CLayoutElementConfig::SetLayoutRowstretch(const QString& strStretch)
{
    d_func()->m_strRowStretch = strStretch;
}

const QString& CLayoutElementConfig::GetLayoutColumnstretch() const
{
    return d_func()->m_strColumnStretch;
}

void CLayoutElementConfig::SetLayoutColumnstretch(const QString& strStretch)
{
    d_func()->m_strColumnStretch = strStretch;
}

void CLayoutElementConfig::AddElementItem(const struLayoutElementData& item)
{
    d_func()->m_vecItems.append(item);
}

int CLayoutElementConfig::Size() const
{
    return d_func()->m_vecItems.size();
}

struLayoutElementData* CLayoutElementConfig::GetElementItem(unsigned int i)
{
    Q_D(CLayoutElementConfig);
    if (i >= static_cast<unsigned int>(d->m_vecItems.size()))
        return nullptr;
    return &d->m_vecItems[static_cast<int>(i)];
}

void CLayoutElementConfig::RemoveElementItem(unsigned int i)
{
    Q_D(CLayoutElementConfig);
    if (i < static_cast<unsigned int>(d->m_vecItems.size()))
        d->m_vecItems.remove(static_cast<int>(i));
}

QVector<struLayoutElementData>* CLayoutElementConfig::GetElementItems()
{
    return &d_func()->m_vecItems;
}

void CLayoutElementConfig::Clear()
{
    d_func()->m_vecItems.clear();
}

// Summed in 64 bits and clamped: a hand-edited file may carry huge or
// negative spans, and the count must not overflow.
int CLayoutElementConfig::GetLayoutVirtualWndCount() const
{
    qint64 iCells = 0;
    for (const struLayoutElementData& item : d_func()->m_vecItems)
        iCells = qBound(qint64(INT_MIN), iCells + qint64(item.rowSpan) * item.columnSpan, qint64(INT_MAX));
    return static_cast<int>(iCells);
}

} // namespace OrvaGUIToolkit
