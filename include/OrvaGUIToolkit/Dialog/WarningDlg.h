#ifndef ORVAGUITOOLKIT_DIALOG_WARNINGDLG_H
#define ORVAGUITOOLKIT_DIALOG_WARNINGDLG_H

#include <OrvaGUIToolkit/Dialog/BaseDialogWithBottom.h>

#include <QtGui/QPixmap>

namespace OrvaGUIToolkit {

class CWarningDlgPrivate;

// A modal question with a warning sign, a text, a confirm and a cancel button.
class ORVAGUITOOLKIT_EXPORT CWarningDlg : public CBaseDialogWithBottom
{
    Q_OBJECT
    // The sign beside the text; a null picture hides it.
    Q_PROPERTY(QPixmap m_pixIcon READ GetIcon WRITE SetIcon)
    Q_DECLARE_PRIVATE(CWarningDlg)

public:
    CWarningDlg(const QString& strText, const QString& strTitle, QWidget* pParent = nullptr);
    ~CWarningDlg() override;

    // Asks the question and waits for the answer: 1 when the user confirms,
    // 0 when they cancel, close the dialog or press Escape.
    static int CheckMessageInfo(const QString& strText, const QString& strTitle = QString(),
                                QWidget* pParent = nullptr);

    QString GetText() const;
    QPixmap GetIcon() const;
    void SetIcon(const QPixmap& pixIcon);

protected:
    CWarningDlg(CWarningDlgPrivate& dd, const QString& strText, const QString& strTitle, QWidget* pParent);
};

} // namespace OrvaGUIToolkit

#endif
