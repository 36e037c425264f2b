#include <OrvaGUIToolkit/ItemView/ModelKeyMapping.h>

#include <vector>

namespace OrvaGUIToolkit {

class CModelKeyMappingPrivate
{
public:
    struct Entry {
        int iSourceColumn;
        int iSourceRole;
        int iTargetColumn;
        int iTargetRole;
    };

    std::vector<Entry> m_vecEntries;
};

CModelKeyMapping::CModelKeyMapping()
    : d_ptr(new CModelKeyMappingPrivate)
{
}

CModelKeyMapping::CModelKeyMapping(const CModelKeyMapping& other)
    : d_ptr(new CModelKeyMappingPrivate(*other.d_ptr))
{
}

CModelKeyMapping& CModelKeyMapping::operator=(const CModelKeyMapping& other)
{
    *d_ptr = *other.d_ptr;
    return *this;
}

CModelKeyMapping::~CModelKeyMapping() = default;

void CModelKeyMapping::AddMapping(int iSourceColumn, int iSourceRole, int iTargetColumn, int iTargetRole)
{
    d_func()->m_vecEntries.push_back({iSourceColumn, iSourceRole, iTargetColumn, iTargetRole});
}

bool CModelKeyMapping::GetMapping(int iColumn, int iRole, int& iTargetColumn, int& iTargetRole) const
{
    bool bFound = false;
    for (const CModelKeyMappingPrivate::Entry& entry : d_func()->m_vecEntries) {
        if (entry.iSourceRole != iRole)
            continue;
        if (entry.iSourceColumn == iColumn) {
            iTargetColumn = entry.iTargetColumn;
            iTargetRole = entry.iTargetRole;
            return true;
        }
        if (entry.iSourceColumn == -1) {
            iTargetColumn = entry.iTargetColumn;
            iTargetRole = entry.iTargetRole;
            bFound = true;
        }
    }
    return bFound;
}

} // namespace OrvaGUIToolkit
