#ifndef ORVAGUITOOLKIT_DIALOGS_BASEDIALOGPRIVATE_H
#define ORVAGUITOOLKIT_DIALOGS_BASEDIALOGPRIVATE_H

QT_BEGIN_NAMESPACE
class QFrame;
class QGridLayout;
class QHBoxLayout;
class QToolButton;
class QWidget;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {

class CTitleWidget;

// The form of a base dialog ("CBaseDialogClass"), named as style sheets see it.
class CBaseDialogPrivate
{
public:
    QGridLayout* m_pGridBaseDialog = nullptr;
    CTitleWidget* m_pTitleWidget = nullptr;
    QToolButton* m_pDialogCloseBtn = nullptr;
    QToolButton* m_pDialogSizeBtn = nullptr;
    QFrame* m_pContentFrame = nullptr;
    // "m_pNoBottomWidget" or "m_pWithBottomWidget": receives the content.
    QWidget* m_pSetUpUiWidget = nullptr;
    // The dialog's own widgets in the title bar, before its buttons.
    QHBoxLayout* m_pTitleLayout = nullptr;
};

} // namespace OrvaGUIToolkit

#endif
