#include <OrvaGUIToolkit/Tab/TabBar.h>

namespace OrvaGUIToolkit {

class CTabBarPrivate
{
    Q_DECLARE_PUBLIC(CTabBar)

public:
    virtual ~CTabBarPrivate() = default;

    CTabBar* q_ptr = nullptr;
};

CTabBar::CTabBar(QWidget* pParent)
    : CTabBar(*new CTabBarPrivate, pParent)
{
}

CTabBar::CTabBar(CTabBarPrivate& dd, QWidget* pParent)
    : QTabBar(pParent)
    , d_ptr(&dd)
{
    d_ptr->q_ptr = this;
    setExpanding(false);
    setElideMode(Qt::ElideRight);
}

CTabBar::~CTabBar() = default;

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/Tab/moc_TabBar.cpp"
