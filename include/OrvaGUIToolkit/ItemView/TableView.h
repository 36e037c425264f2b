#ifndef ORVAGUITOOLKIT_ITEMVIEW_TABLEVIEW_H
#define ORVAGUITOOLKIT_ITEMVIEW_TABLEVIEW_H

#include <OrvaGUIToolkit/ItemView/AbstractItemView.h>

namespace OrvaGUIToolkit {

// A flat table on the toolkit's tree view: no indentation and no branch
// decoration, a CMoreRightPixmapDelegate for images and editors, and one
// click opening the editor of an editable cell where double clicks would.
class ORVAGUITOOLKIT_EXPORT CTableView : public CAbstractItemView
{
    Q_OBJECT

public:
    explicit CTableView(QWidget* pParent = nullptr);
    ~CTableView() override;

    void SetPixmapLeftMargin(int iMargin);
    void SetPixmapSpace(int iSpace);

protected:
    CTableView(CAbstractItemViewPrivate& dd, QWidget* pParent);
    bool edit(const QModelIndex& miIndex, EditTrigger enumTrigger, QEvent* pEvent) override;

private:
    void InitTable();
};

} // namespace OrvaGUIToolkit

#endif
