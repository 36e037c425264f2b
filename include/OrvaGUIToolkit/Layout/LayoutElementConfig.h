#ifndef ORVAGUITOOLKIT_LAYOUT_LAYOUTELEMENTCONFIG_H
#define ORVAGUITOOLKIT_LAYOUT_LAYOUTELEMENTCONFIG_H

#include <OrvaGUIToolkit/Layout/LayoutElementData.h>
#include <OrvaGUIToolkit/Layout/SplitTypeData.h>

#include <QtCore/QScopedPointer>
#include <QtCore/QVector>

namespace OrvaGUIToolkit {

class CLayoutElementConfigPrivate;

// One split layout of the layout configuration: its name, split type, number
// of video windows, row and column stretch factors (comma-separated text) and
// its grid items. A value type.
class ORVAGUITOOLKIT_EXPORT CLayoutElementConfig
{
public:
    CLayoutElementConfig();
    CLayoutElementConfig(const CLayoutElementConfig& other);
    CLayoutElementConfig& operator=(const CLayoutElementConfig& other);
    ~CLayoutElementConfig();

    const QString& GetLayoutName() const;
    void SetLayoutName(const QString& strName);
    struSplitTypeData::SplitType GetLayoutSplitType() const;
    void SetLayoutSplitType(struSplitTypeData::SplitType enumSplitType);
    int GetLayoutWndCount() const;
    void SetLayoutWndCount(int iCount);
    const QString& GetLayoutRowstretch() const;
    void SetLayoutRowstretch(const QString& strStretch);
    const QString& GetLayoutColumnstretch() const;
    void SetLayoutColumnstretch(const QString& strStretch);

    void AddElementItem(const struLayoutElementData& item);
    int Size() const;
    // Null when i is not below Size().
    struLayoutElementData* GetElementItem(unsigned int i);
    void RemoveElementItem(unsigned int i);
    QVector<struLayoutElementData>* GetElementItems();
    // Removes the items; name, type, count and stretches stay.
    void Clear();
    // Grid cells the items cover: the sum of rowSpan x columnSpan.
    int GetLayoutVirtualWndCount() const;

private:
    QScopedPointer<CLayoutElementConfigPrivate> d_ptr;
    Q_DECLARE_PRIVATE(CLayoutElementConfig)
};

} // namespace OrvaGUIToolkit

#endif
