#ifndef ORVAGUITOOLKIT_LAYOUT_SELECTCUTNUM_H
#define ORVAGUITOOLKIT_LAYOUT_SELECTCUTNUM_H

#include <OrvaGUIToolkit/Layout/SplitTypeData.h>

#include <QtCore/QVector>
#include <QtWidgets/QFrame>

namespace OrvaGUIToolkit {

class CWidgetLayoutMgr;
class CSelectCutNumPrivate;

// Pop-up panel of picture buttons, one per split layout (standard grids from
// one to sixty-four windows and wide layouts); a click emits the split type.
// The window counts come from the layout manager's records.
class ORVAGUITOOLKIT_EXPORT CSelectCutNum : public QFrame
{
    Q_OBJECT

public:
    static const int m_iBtnWidth;
    static const int m_iBtnHeight;
    static const int m_iBtnIconWidth;
    static const int m_iBtnIconHeight;

    CSelectCutNum(CWidgetLayoutMgr* pLayoutMgr, QWidget* pParent = nullptr, QWidget* pExtraWidget = nullptr);
    ~CSelectCutNum() override;

    // Each button's text becomes the window count of its split type.
    void UpdateBtnText();
    // Hides the buttons of split types with more windows than iMaxWndNum.
    void SetMaxWndNum(int iMaxWndNum);
    void GetSupportSplitType(QVector<struSplitTypeData::SplitType>& vecTypes);
    bool IsMouseIn();

Q_SIGNALS:
    void SignalClickedBtn(int iSplitType);

public Q_SLOTS:
    void OnBtnClicked();

protected:
    bool event(QEvent* pEvent) override;
    void showEvent(QShowEvent* pEvent) override;

private:
    void LayoutBtn(QWidget* pExtraWidget);
    void SetBtnIcon();
    void SetBtnText();

    QScopedPointer<CSelectCutNumPrivate> d_ptr;
    Q_DECLARE_PRIVATE(CSelectCutNum)
};

} // namespace OrvaGUIToolkit

#endif
