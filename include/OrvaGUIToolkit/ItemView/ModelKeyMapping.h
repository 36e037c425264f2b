#ifndef ORVAGUITOOLKIT_ITEMVIEW_MODELKEYMAPPING_H
#define ORVAGUITOOLKIT_ITEMVIEW_MODELKEYMAPPING_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <memory>

namespace OrvaGUIToolkit {

class CModelKeyMappingPrivate;

// A redirection table for model reads: (source column, source role) is read
// from (target column, target role) instead. Source column -1 matches every
// column; an exact entry beats any such wildcard, and of several wildcards
// the last one added wins.
class ORVAGUITOOLKIT_EXPORT CModelKeyMapping
{
    Q_DECLARE_PRIVATE(CModelKeyMapping)

public:
    CModelKeyMapping();
    CModelKeyMapping(const CModelKeyMapping& other);
    CModelKeyMapping& operator=(const CModelKeyMapping& other);
    virtual ~CModelKeyMapping();

    void AddMapping(int iSourceColumn, int iSourceRole, int iTargetColumn, int iTargetRole);
    bool GetMapping(int iColumn, int iRole, int& iTargetColumn, int& iTargetRole) const;

private:
    std::unique_ptr<CModelKeyMappingPrivate> d_ptr;
};

} // namespace OrvaGUIToolkit

#endif
