#ifndef ORVAGUITOOLKIT_DIALOGS_WARNINGDLGPRIVATE_H
#define ORVAGUITOOLKIT_DIALOGS_WARNINGDLGPRIVATE_H

#include <OrvaGUIToolkit/Dialog/WarningDlg.h>

#include "dialogs/BaseDialogWithBottomPrivate.h"

QT_BEGIN_NAMESPACE
class QLabel;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {

class CWarningDlgPrivate : public CBaseDialogWithBottomPrivate
{
    Q_DECLARE_PUBLIC(CWarningDlg)

public:
    CWarningDlgPrivate();
    ~CWarningDlgPrivate() override;

    // Builds the sign and the text in the content area.
    void InitQuestion(const QString& strText, const QString& strTitle);

    QString m_strText;
    QLabel* m_pIconLabel = nullptr;
};

} // namespace OrvaGUIToolkit

#endif
