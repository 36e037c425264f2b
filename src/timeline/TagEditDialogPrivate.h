#ifndef ORVAGUITOOLKIT_TAGEDITDIALOGPRIVATE_H
#define ORVAGUITOOLKIT_TAGEDITDIALOGPRIVATE_H

#include "dialogs/BaseDialogWithBottomPrivate.h"

#include <OrvaGUIToolkit/Timeline/TagEditDialog.h>

QT_BEGIN_NAMESPACE
class QLabel;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {

class CLineEdit;

class CTagEditDialogPrivate : public CBaseDialogWithBottomPrivate
{
    Q_DECLARE_PUBLIC(CTagEditDialog)

public:
    explicit CTagEditDialogPrivate(bool bEditing);
    ~CTagEditDialogPrivate() override;

    static CTagEditDialogPrivate* Get(CTagEditDialog* pDialog) { return pDialog->d_func(); }

    // Longest tag name, in bytes of the process-wide codec.
    static constexpr int s_iMaxNameBytes = 64;

    bool m_bEditing = false;
    QString m_strOldName;
    QLabel* m_pTimeLabel = nullptr;
    CLineEdit* m_pNameEdit = nullptr;
};

} // namespace OrvaGUIToolkit

#endif
