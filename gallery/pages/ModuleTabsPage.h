#ifndef ORVAGALLERY_MODULETABSPAGE_H
#define ORVAGALLERY_MODULETABSPAGE_H

#include <OrvaGUIToolkit/Tab/AuxiliaryData.h>

#include <QtWidgets/QWidget>

namespace OrvaGUIToolkit {
class CLabel;
class CTabScene;
}

// The module strip of the client's main window: the modules as tabs, the
// first two fixed, overflowing a narrow strip into the arrow's menu; a
// vertical strip; a second strip that takes tabs dragged out of the first;
// and the tab widget with its corner area.
class ModuleTabsPage : public QWidget
{
    Q_OBJECT

public:
    explicit ModuleTabsPage(QWidget* pParent = nullptr);

private:
    QWidget* CreateMainStrip();
    QWidget* CreateDetachedStrip();
    QWidget* CreateVerticalStrip();
    QWidget* CreateTabWidget();
    // A module dragged off every strip gets a window of its own; closing the
    // window puts the tab back at its module's place.
    void OpenModuleWindow(const OrvaGUIToolkit::AuxiliaryData& auxData);
    void Log(const QString& strMessage);

    OrvaGUIToolkit::CTabScene* m_pMainScene = nullptr;
    OrvaGUIToolkit::CLabel* m_pLogLine = nullptr;
};

#endif
