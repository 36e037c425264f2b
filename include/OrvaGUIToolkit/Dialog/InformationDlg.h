#ifndef ORVAGUITOOLKIT_DIALOG_INFORMATIONDLG_H
#define ORVAGUITOOLKIT_DIALOG_INFORMATIONDLG_H

#include <OrvaGUIToolkit/Dialog/BaseDialog.h>

#include <QtGui/QPixmap>

namespace OrvaGUIToolkit {

class CInformationDlgPrivate;

// A transient notice in the bottom right corner of the screen. It does not
// take the focus, shows one message at a time (a new one replaces the one on
// screen) and, unless told otherwise, fades out by itself.
class ORVAGUITOOLKIT_EXPORT CInformationDlg : public CBaseDialog
{
    Q_OBJECT
    // The sign beside the text; a null picture hides it.
    Q_PROPERTY(QPixmap m_pixIcon READ GetIcon WRITE SetIcon)
    Q_DECLARE_PRIVATE(CInformationDlg)

public:
    ~CInformationDlg() override;

    // Shows strText near the bottom right corner of the screen that holds
    // pParent (the primary screen for a null pParent). With bAutoClose the
    // notice fades out after a few seconds; otherwise it stays until the user
    // closes it. The notice is deleted once it has closed.
    static CInformationDlg* ShowInformationAtScreenRightBottom(const QString& strText, QWidget* pParent = nullptr,
                                                               bool bAutoClose = true);

    QString GetText() const;
    QPixmap GetIcon() const;
    void SetIcon(const QPixmap& pixIcon);

protected:
    void enterEvent(EnterEvent* pEvent) override;
    void leaveEvent(QEvent* pEvent) override;

private:
    CInformationDlg(const QString& strText, QWidget* pParent, bool bAutoClose);
};

} // namespace OrvaGUIToolkit

#endif
