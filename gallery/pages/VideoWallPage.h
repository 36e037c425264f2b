#ifndef ORVAGALLERY_VIDEOWALLPAGE_H
#define ORVAGALLERY_VIDEOWALLPAGE_H

#include <OrvaGUIToolkit/Layout/WidgetLayoutMgr.h>

#include <QtWidgets/QWidget>

QT_BEGIN_NAMESPACE
class QLabel;
class QToolButton;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {
class CSelectCutNum;
}

// The live-view video wall: sixty-four painted camera windows laid out by the
// layout manager from the shipped layout configuration, the split selector
// popping up from a tool button, a double click that shows one window alone
// and back, and the arrow keys moving the focus to the neighbouring window.
class VideoWallPage : public QWidget
{
    Q_OBJECT

public:
    explicit VideoWallPage(QWidget* pParent = nullptr);
    ~VideoWallPage() override;

    // The screenshot shows the split selector open under its button.
    Q_INVOKABLE void OpenScreenshotPopup();

private Q_SLOTS:
    void OnSplitButtonClicked();
    void OnSplitTypeChosen(int iSplitType);
    void OnWindowDoubleClicked(QWidget* pWindow);
    void OnWindowArrow(QWidget* pWindow, int iDirection);

private:
    QWidget* CreateToolBar();
    void ShowSplitType(int iSplitType);
    void UpdateStatus();

    OrvaGUIToolkit::CWidgetLayoutMgr m_layoutMgr;
    OrvaGUIToolkit::CSelectCutNum* m_pSelector = nullptr;
    QToolButton* m_pSplitBtn = nullptr;
    QLabel* m_pStatus = nullptr;
    QWidget* m_pWall = nullptr;
    QList<QWidget*> m_listWindows;
};

#endif
