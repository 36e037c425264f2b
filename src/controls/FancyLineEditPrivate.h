#ifndef ORVAGUITOOLKIT_CONTROLS_FANCYLINEEDITPRIVATE_H
#define ORVAGUITOOLKIT_CONTROLS_FANCYLINEEDITPRIVATE_H

#include <OrvaGUIToolkit/LineEdit/FancyLineEdit.h>

#include "controls/LineEditPrivate.h"

#include <QtCore/QPointer>

namespace OrvaGUIToolkit {

class CFancyLineEditPrivate : public CLineEditPrivate
{
    Q_DECLARE_PUBLIC(CFancyLineEdit)

public:
    using Side = CFancyLineEdit::Side;

    // Creates the two buttons; called once the line edit exists.
    void Init();
    // Auto-hiding buttons change only when the field goes from empty to not
    // empty or back; the margins follow every change.
    void OnCheckButtons(const QString& strText);
    // Opens the side's menu, or reports the click when it has none.
    void OnIconClicked(Side enumSide);
    void UpdateMargins();
    void UpdateButtonPositions();
    int SideMargin(Side enumSide) const;
    // The side drawn at the left or right edge in the current layout direction.
    Side VisualSide(Side enumEdge) const;
    // The tool tip a button shows: none while it auto-hides over an empty field.
    QString ShownToolTip(Side enumSide) const;

    CIconButton* m_pIconButton[2] = {nullptr, nullptr};
    QPointer<QMenu> m_pMenu[2];
    bool m_bVisible[2] = {false, false};
    bool m_bMenuTabFocusTrigger[2] = {false, false};
    QString m_strToolTip[2];
    // The text before the last change, to see the field empty and fill.
    QString m_strOldText;
};

} // namespace OrvaGUIToolkit

#endif
