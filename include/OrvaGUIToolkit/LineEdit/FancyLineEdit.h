#ifndef ORVAGUITOOLKIT_LINEEDIT_FANCYLINEEDIT_H
#define ORVAGUITOOLKIT_LINEEDIT_FANCYLINEEDIT_H

#include <OrvaGUIToolkit/LineEdit/LineEdit.h>

#include <QtGui/QPixmap>

QT_BEGIN_NAMESPACE
class QMenu;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {

class CIconButton;
class CFancyLineEditPrivate;

// A line edit with an icon button at either end (search, clear, a drop-down
// menu...). The text margins leave room for the visible buttons; an
// auto-hiding button fades in with the first character and out when the
// field is emptied. A button with a menu opens it instead of reporting the
// click. Left and right follow the layout direction.
class ORVAGUITOOLKIT_EXPORT CFancyLineEdit : public CLineEdit
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CFancyLineEdit)

public:
    enum Side { Left = 0, Right = 1 };
    Q_ENUM(Side)

    explicit CFancyLineEdit(QWidget* pParent = nullptr);
    ~CFancyLineEdit() override;

    void SetButtonPixmap(Side enumSide, const QPixmap& pixmap);
    QPixmap ButtonPixmap(Side enumSide) const;
    // The line edit does not own the menu, except one without a parent, which
    // it adopts.
    void SetButtonMenu(Side enumSide, QMenu* pMenu);
    QMenu* ButtonMenu(Side enumSide) const;
    void SetButtonVisible(Side enumSide, bool bVisible);
    bool IsButtonVisible(Side enumSide) const;
    void SetButtonToolTip(Side enumSide, const QString& strToolTip);
    void SetButtonFocusPolicy(Side enumSide, Qt::FocusPolicy enumPolicy);
    void SetAutoHideButton(Side enumSide, bool bAutoHide);
    bool HasAutoHideButton(Side enumSide) const;
    // With the trigger set, reaching the field with Tab opens the side's menu.
    void SetMenuTabFocusTrigger(Side enumSide, bool bTrigger);
    bool HasMenuTabFocusTrigger(Side enumSide) const;

    // The button of a side, for styling and inspection.
    CIconButton* Button(Side enumSide) const;

Q_SIGNALS:
    void SignalButtonClicked(CFancyLineEdit::Side enumSide);
    void SignalLeftButtonClicked();
    void SignalRightButtonClicked();

protected:
    // For line edits that extend the state: dd derives from the line edit's
    // state and is owned by the line edit from here on.
    CFancyLineEdit(CFancyLineEditPrivate& dd, QWidget* pParent);
    void resizeEvent(QResizeEvent* pEvent) override;
    void focusInEvent(QFocusEvent* pEvent) override;
    void changeEvent(QEvent* pEvent) override;
};

} // namespace OrvaGUIToolkit

#endif
