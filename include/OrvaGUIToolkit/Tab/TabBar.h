#ifndef ORVAGUITOOLKIT_TAB_TABBAR_H
#define ORVAGUITOOLKIT_TAB_TABBAR_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtWidgets/QTabBar>

#include <memory>

namespace OrvaGUIToolkit {

class CTabBarPrivate;

// The tab bar of CTabWidget: tabs as wide as their texts, never stretched,
// long texts elided on the right.
class ORVAGUITOOLKIT_EXPORT CTabBar : public QTabBar
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CTabBar)

public:
    explicit CTabBar(QWidget* pParent = nullptr);
    ~CTabBar() override;

protected:
    CTabBar(CTabBarPrivate& dd, QWidget* pParent);

    const std::unique_ptr<CTabBarPrivate> d_ptr;
};

} // namespace OrvaGUIToolkit

#endif
