#ifndef ORVAGALLERY_BASICCONTROLSPAGE_H
#define ORVAGALLERY_BASICCONTROLSPAGE_H

#include <QtWidgets/QWidget>

namespace OrvaGUIToolkit {
class CLabel;
}

// Push buttons and labels as they appear on a camera toolbar and a vehicle
// detail panel, with a log line that echoes their hover and click signals.
class BasicControlsPage : public QWidget
{
    Q_OBJECT

public:
    explicit BasicControlsPage(QWidget* pParent = nullptr);

private:
    QWidget* CreateToolbar();
    QWidget* CreateVehiclePanel();
    QWidget* CreateButtonStates();
    QWidget* CreateCameraGrid();
    void Log(const QString& strMessage);

    OrvaGUIToolkit::CLabel* m_pLogLine = nullptr;
};

#endif
