#ifndef ORVAGUITOOLKIT_DIALOG_BASEDIALOGWITHBOTTOM_H
#define ORVAGUITOOLKIT_DIALOG_BASEDIALOGWITHBOTTOM_H

#include <OrvaGUIToolkit/Dialog/BaseDialog.h>

QT_BEGIN_NAMESPACE
class QPushButton;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {

class CBaseDialogWithBottomPrivate;

// A base dialog with a bottom row ("m_pBottomFrame") holding a left button
// ("m_pLeftBtn", hidden at first), a confirm button ("m_pConfirmBtn", accepts
// the dialog) and a cancel button ("m_pCancelBtn", rejects it). Return and
// Enter click the confirm button while it is visible.
class ORVAGUITOOLKIT_EXPORT CBaseDialogWithBottom : public CBaseDialog
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CBaseDialogWithBottom)

public:
    explicit CBaseDialogWithBottom(QWidget* pParent = nullptr);
    ~CBaseDialogWithBottom() override;

    QPushButton* GetLeftBtn() const;
    QPushButton* GetConfirmBtn() const;
    QPushButton* GetCancelBtn() const;
    void SetLeftBtnVisible(bool bVisible);
    void SetConfirmBtnVisible(bool bVisible);
    void SetCancelBtnVisible(bool bVisible);
    void SetConfirmBtnText(const QString& strText);
    void SetCancelBtnText(const QString& strText);
    void SetConfirmBtnMinimumSize(const QSize& size);
    void SetCancelBtnMinimumSize(const QSize& size);
    // Turns the buttons into a "Yes" / "No" question.
    void SetYesAndNoText();

    // Disconnects every connection of the sender's signal, whatever its
    // receiver, and connects it to the given method alone; for example to
    // route the confirm button's clicked() to a slot instead of accept().
    // False, with a warning, for a null argument or a failed connection.
    static bool ReConnect(const QObject* pSender, const char* szSignal, const QObject* pReceiver,
                          const char* szMethod, Qt::ConnectionType enumType = Qt::AutoConnection);

protected:
    CBaseDialogWithBottom(CBaseDialogWithBottomPrivate& dd, QWidget* pParent);
    void HideBottom();
    void keyPressEvent(QKeyEvent* pEvent) override;
};

} // namespace OrvaGUIToolkit

#endif
