#ifndef ORVAGUITOOLKIT_PAGER_PAGERCTRL_H
#define ORVAGUITOOLKIT_PAGER_PAGERCTRL_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtWidgets/QFrame>

#include <memory>

namespace OrvaGUIToolkit {

class CPagerCtrlPrivate;

// A pager for any number of pages: at most nine page buttons with "..."
// gaps, previous/next arrows and a "Go" box.
class ORVAGUITOOLKIT_EXPORT CPagerCtrl : public QFrame
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CPagerCtrl)

public:
    explicit CPagerCtrl(QWidget* pParent = nullptr);
    ~CPagerCtrl() override;

    void SetPageCount(unsigned int uCount);
    unsigned int GetPageCount() const;
    unsigned int GetCurrentPage() const;
    // Page 0 and pages past the count are ignored.
    void ShowSelectedPage(unsigned int uPage, bool bForce);
    // Lays the page numbers out around the current page.
    void ChangePager();

Q_SIGNALS:
    void SignalShowPage(unsigned int uPage);
    void SignalForceChangePage(int iPage);

protected:
    CPagerCtrl(CPagerCtrlPrivate& dd, QWidget* pParent);

    const std::unique_ptr<CPagerCtrlPrivate> d_ptr;

private Q_SLOTS:
    void OnBtnPreviousClicked();
    void OnBtnNextClicked();
    void OnBtnGotoPageClicked();
    void OnPageClicked();

private:
    void BuildForm();
    void UpdateArrows();
};

} // namespace OrvaGUIToolkit

#endif
