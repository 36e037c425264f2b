#ifndef ORVAGUITOOLKIT_DIALOGS_BASEDIALOGWITHBOTTOMPRIVATE_H
#define ORVAGUITOOLKIT_DIALOGS_BASEDIALOGWITHBOTTOMPRIVATE_H

#include <OrvaGUIToolkit/Dialog/BaseDialogWithBottom.h>

#include "dialogs/BaseDialogPrivate.h"

QT_BEGIN_NAMESPACE
class QFrame;
class QPushButton;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {

// Adds the bottom form ("BaseDialogBottomUi"): a frame with the left, confirm
// and cancel buttons. Its texts are translated in the form's own context.
class CBaseDialogWithBottomPrivate : public CBaseDialogPrivate
{
    Q_DECLARE_PUBLIC(CBaseDialogWithBottom)

public:
    CBaseDialogWithBottomPrivate();
    ~CBaseDialogWithBottomPrivate() override;

    // Builds the bottom row under the content; run once by the constructor.
    void InitBottom();

    QFrame* m_pBottomFrame = nullptr;
    QPushButton* m_pLeftBtn = nullptr;
    QPushButton* m_pConfirmBtn = nullptr;
    QPushButton* m_pCancelBtn = nullptr;

private:
    void SetupBottomForm();
};

} // namespace OrvaGUIToolkit

#endif
