#ifndef ORVAGALLERY_DIALOGSPAGE_H
#define ORVAGALLERY_DIALOGSPAGE_H

#include <QtWidgets/QWidget>

QT_BEGIN_NAMESPACE
class QComboBox;
class QLineEdit;
class QTableWidget;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {
class CBaseDialog;
class CLabel;
}

// Frameless dialogs with their own title bar, the notice and the question,
// the wait watcher running a job off the GUI thread, temporary settings and a
// video pane that goes full screen.
class DialogsPage : public QWidget
{
    Q_OBJECT

public:
    explicit DialogsPage(QWidget* pParent = nullptr);

private Q_SLOTS:
    void OnPreviewConfirm();
    void OnPreviewCancel();

private:
    QWidget* CreateDialogLaunchers();
    QWidget* CreateMessages();
    QWidget* CreateWaitWatcher();
    QWidget* CreateTemporaryData();
    QWidget* CreatePreview();
    QWidget* CreateVideoPane();

    void OpenCameraProperties();
    void OpenExportDialog();
    void RebuildPlateIndex();
    void StoreTemporaryValue();
    void RemoveTemporaryValue();
    void RefreshTemporaryValues();
    void Log(const QString& strMessage);

    OrvaGUIToolkit::CLabel* m_pLogLine = nullptr;
    QComboBox* m_pTemporaryKey = nullptr;
    QLineEdit* m_pTemporaryValue = nullptr;
    QTableWidget* m_pTemporaryTable = nullptr;
};

#endif
