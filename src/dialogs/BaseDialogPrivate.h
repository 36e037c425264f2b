#ifndef ORVAGUITOOLKIT_DIALOGS_BASEDIALOGPRIVATE_H
#define ORVAGUITOOLKIT_DIALOGS_BASEDIALOGPRIVATE_H

#include <OrvaGUIToolkit/Dialog/BaseDialog.h>

QT_BEGIN_NAMESPACE
class QFrame;
class QGridLayout;
class QHBoxLayout;
class QToolButton;
class QWidget;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {

class CTitleWidget;

// The state of a base dialog: its form ("CBaseDialogClass"), named as style
// sheets see it. Dialogs elsewhere in the library derive their private class
// from this one (or from CBaseDialogWithBottomPrivate) and hand it to the
// protected constructor, so that one object holds the state of the whole
// hierarchy.
class CBaseDialogPrivate
{
    Q_DECLARE_PUBLIC(CBaseDialog)

public:
    CBaseDialogPrivate();
    virtual ~CBaseDialogPrivate();

    // Builds the form and the title bar's buttons; run once by the constructor.
    void Init();

    CBaseDialog* q_ptr = nullptr;
    QGridLayout* m_pGridBaseDialog = nullptr;
    CTitleWidget* m_pTitleWidget = nullptr;
    QToolButton* m_pDialogCloseBtn = nullptr;
    QToolButton* m_pDialogSizeBtn = nullptr;
    QFrame* m_pContentFrame = nullptr;
    // "m_pNoBottomWidget" or "m_pWithBottomWidget": receives the content.
    QWidget* m_pSetUpUiWidget = nullptr;
    // The dialog's own widgets in the title bar, before its buttons.
    QHBoxLayout* m_pTitleLayout = nullptr;

private:
    void SetupForm();
    void SetupTitleBar();
};

} // namespace OrvaGUIToolkit

#endif
