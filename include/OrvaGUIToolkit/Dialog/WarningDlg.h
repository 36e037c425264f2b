#ifndef ORVAGUITOOLKIT_DIALOG_WARNINGDLG_H
#define ORVAGUITOOLKIT_DIALOG_WARNINGDLG_H

#include <OrvaGUIToolkit/Dialog/BaseDialogWithBottom.h>

#include <QtGui/QPixmap>

QT_BEGIN_NAMESPACE
class QLabel;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {

// A modal question with a warning sign, a text, a confirm and a cancel button.
class ORVAGUITOOLKIT_EXPORT CWarningDlg : public CBaseDialogWithBottom
{
    Q_OBJECT
    // The sign beside the text; a null picture hides it.
    Q_PROPERTY(QPixmap m_pixIcon READ GetIcon WRITE SetIcon)

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

private:
    QString m_strText;
    QLabel* m_pIconLabel = nullptr;
};

} // namespace OrvaGUIToolkit

#endif
