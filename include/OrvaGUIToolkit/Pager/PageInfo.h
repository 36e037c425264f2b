#ifndef ORVAGUITOOLKIT_PAGER_PAGEINFO_H
#define ORVAGUITOOLKIT_PAGER_PAGEINFO_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtWidgets/QFrame>

#include <memory>

namespace OrvaGUIToolkit {

class CPageInfoPrivate;

// A pager that shows pages in fixed blocks of ten, with "Previous" and
// "Next" buttons that jump a whole block.
class ORVAGUITOOLKIT_EXPORT CPageInfo : public QFrame
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CPageInfo)

public:
    explicit CPageInfo(QWidget* pParent = nullptr);
    ~CPageInfo() override;

    void SetPageInfo(unsigned int uCount);
    unsigned int GetPageCount() const;
    unsigned int GetCurrentPage() const;
    // Page 0 hides everything; pages past the count are ignored.
    void ShowSelectedPage(unsigned int uPage);
    void HideAllPage();

Q_SIGNALS:
    void SignalShowPage(unsigned int uPage);

protected:
    CPageInfo(CPageInfoPrivate& dd, QWidget* pParent);

    const std::unique_ptr<CPageInfoPrivate> d_ptr;

private Q_SLOTS:
    void ClickPage();
    void ClickedNext();
    void ClickedPrior();
};

} // namespace OrvaGUIToolkit

#endif
