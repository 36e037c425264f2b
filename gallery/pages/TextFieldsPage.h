#ifndef ORVAGALLERY_TEXTFIELDSPAGE_H
#define ORVAGALLERY_TEXTFIELDSPAGE_H

#include <QtWidgets/QWidget>

QT_BEGIN_NAMESPACE
class QLabel;
class QListWidget;
class QProgressBar;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {
class CLabel;
class CLineEdit;
class CRegExpValidator;
}

// The text fields of a device and camera configuration screen: a device name
// that refuses forbidden characters, a remark limited by its stored byte size,
// a device login, a camera filter and a plate search with a scope menu.
class TextFieldsPage : public QWidget
{
    Q_OBJECT

public:
    explicit TextFieldsPage(QWidget* pParent = nullptr);

protected:
    void showEvent(QShowEvent* pEvent) override;

private:
    QWidget* CreateDeviceBox();
    QWidget* CreateLoginBox();
    QWidget* CreateExportBox();
    QWidget* CreateFilterBox();
    QWidget* CreateSearchBox();
    void UpdateRemarkBytes();
    void ApplyCameraFilter(const QString& strFilter);
    void Log(const QString& strMessage);

    OrvaGUIToolkit::CLineEdit* m_pRemarkEdit = nullptr;
    QLabel* m_pRemarkBytes = nullptr;
    QProgressBar* m_pRemarkBar = nullptr;
    QListWidget* m_pCameraList = nullptr;
    QLabel* m_pCameraCount = nullptr;
    OrvaGUIToolkit::CLabel* m_pLogLine = nullptr;
};

#endif
