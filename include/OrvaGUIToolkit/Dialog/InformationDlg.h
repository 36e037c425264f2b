#ifndef ORVAGUITOOLKIT_DIALOG_INFORMATIONDLG_H
#define ORVAGUITOOLKIT_DIALOG_INFORMATIONDLG_H

#include <OrvaGUIToolkit/Dialog/BaseDialog.h>

QT_BEGIN_NAMESPACE
class QLabel;
class QPropertyAnimation;
class QTimer;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {

// A transient notice in the bottom right corner of the screen. It does not
// take the focus, shows one message at a time (a new one replaces the one on
// screen) and, unless told otherwise, fades out by itself.
class ORVAGUITOOLKIT_EXPORT CInformationDlg : public CBaseDialog
{
    Q_OBJECT

public:
    ~CInformationDlg() override;

    // Shows strText near the bottom right corner of the screen that holds
    // pParent (the primary screen for a null pParent). With bAutoClose the
    // notice fades out after a few seconds; otherwise it stays until the user
    // closes it. The notice is deleted once it has closed.
    static CInformationDlg* ShowInformationAtScreenRightBottom(const QString& strText, QWidget* pParent = nullptr,
                                                               bool bAutoClose = true);

    QString GetText() const;

protected:
    void enterEvent(QEvent* pEvent) override;
    void leaveEvent(QEvent* pEvent) override;

private:
    CInformationDlg(const QString& strText, QWidget* pParent, bool bAutoClose);
    void PlaceAtScreenRightBottom(const QWidget* pAnchor);
    void StartFadeOut();

    QLabel* m_pTextLabel = nullptr;
    QTimer* m_pDisplayTimer = nullptr;
    QPropertyAnimation* m_pFadeAnimation = nullptr;
    const bool m_bAutoClose;
};

} // namespace OrvaGUIToolkit

#endif
