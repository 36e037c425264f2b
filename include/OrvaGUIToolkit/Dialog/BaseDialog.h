#ifndef ORVAGUITOOLKIT_DIALOG_BASEDIALOG_H
#define ORVAGUITOOLKIT_DIALOG_BASEDIALOG_H

#include <OrvaGUIToolkit/Foundation/WidgetSizeFactory.h>

#include <QtWidgets/QDialog>

#include <memory>

QT_BEGIN_NAMESPACE
class QToolButton;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {

class CBaseDialogPrivate;

// The frame of every dialog of the client: a frameless dialog with its own
// title bar ("m_pTitleWidget"), an optional size button and close button in
// it, and a content area that receives the client's widget. Style sheets
// address its parts by object name: the dialog is "CBaseDialogClass", the
// size button is "m_pFullSizeBtn" while the dialog is normal and
// "m_pNormalSizeBtn" while it is maximised or full screen.
//
// Neither button is shown until SetSizeBtnVisible(true) or
// SetCloseBtnVisible(true), and the size button and a double click on the
// title only act after SetTitleDoubleClickEnable(true). Return and Enter are
// swallowed so that they never trigger a default button.
class ORVAGUITOOLKIT_EXPORT CBaseDialog : public QDialog, public CWidgetSizeFactory
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CBaseDialog)

public:
    explicit CBaseDialog(QWidget* pParent = nullptr);
    ~CBaseDialog() override;

    void SetTitle(const QString& strTitle);
    QString GetTitle() const;
    void SetTitleAlignment(Qt::Alignment enumAlignment);
    void HideTitle();
    void SetContentsMargins(int iLeft, int iTop, int iRight, int iBottom);
    // Puts the client's widget into the content area, in place of any earlier
    // one. Refused, with a warning, for the dialog itself or one of its
    // ancestors.
    void SetContentWnd(QWidget* pWidget);
    // The content widget, on which a client may also set up its own form.
    QWidget* GetSetUpUiWidget() const;
    // Appends a widget to the title bar, before the size and close buttons.
    // Refused, with a warning, for the dialog itself or one of its ancestors.
    void AddTitleWidget(QWidget* pWidget);
    void SetTitleDoubleClickEnable(bool bEnable);

    QToolButton* GetCloseBtn() const;
    void SetCloseBtnVisible(bool bVisible);
    QToolButton* GetSizeBtn() const;
    void SetSizeBtnVisible(bool bVisible);

    // Full screen or maximised, by the process-wide maximise mode.
    void Maximize();
    bool IsMaximize() const;

protected:
    // For dialogs that extend the state: dd derives from the base's state and
    // is owned by the dialog from here on.
    CBaseDialog(CBaseDialogPrivate& dd, QWidget* pParent);
    void keyPressEvent(QKeyEvent* pEvent) override;
    void resizeEvent(QResizeEvent* pEvent) override;

private Q_SLOTS:
    void OnUpdateSizeBtnState();

protected:
    const std::unique_ptr<CBaseDialogPrivate> d_ptr;
};

} // namespace OrvaGUIToolkit

#endif
