#ifndef ORVAGALLERY_SCHEDULEPAGE_H
#define ORVAGALLERY_SCHEDULEPAGE_H

#include <QtWidgets/QWidget>

QT_BEGIN_NAMESPACE
class QVBoxLayout;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {
class CLabel;
class ScheduleWidget;
}

// The weekly recording schedule of a camera: the templates dialog embedded in
// the page with fixed, event and user templates, or the camera's customized
// schedule, and what the dialog reports to the client.
class SchedulePage : public QWidget
{
    Q_OBJECT

public:
    explicit SchedulePage(QWidget* pParent = nullptr);

private:
    void ShowTemplates();
    void ShowCustomizedSchedule();
    void OpenCopyTo();
    void Embed(OrvaGUIToolkit::ScheduleWidget* pDialog);
    void ReportResult(int iResult);
    void Log(const QString& strMessage);

    QVBoxLayout* m_pDialogLayout = nullptr;
    OrvaGUIToolkit::ScheduleWidget* m_pDialog = nullptr;
    OrvaGUIToolkit::CLabel* m_pLogLine = nullptr;
};

#endif
