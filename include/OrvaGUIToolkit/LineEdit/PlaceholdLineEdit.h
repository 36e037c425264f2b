#ifndef ORVAGUITOOLKIT_LINEEDIT_PLACEHOLDLINEEDIT_H
#define ORVAGUITOOLKIT_LINEEDIT_PLACEHOLDLINEEDIT_H

#include <OrvaGUIToolkit/LineEdit/LineEdit.h>

namespace OrvaGUIToolkit {

class CPlaceholdLineEditPrivate;

// A line edit whose placeholder stays readable as a tool tip once the field
// is empty and unfocused, and which shows a hint of its own while focused.
class ORVAGUITOOLKIT_EXPORT CPlaceholdLineEdit : public CLineEdit
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CPlaceholdLineEdit)

public:
    explicit CPlaceholdLineEdit(QWidget* pParent = nullptr);
    ~CPlaceholdLineEdit() override;

    // Sets the placeholder and the tool tip to strText.
    void setPlaceholderText(const QString& strText);
    // The tool tip shown while the field has focus.
    void SetToolTips(const QString& strToolTips);

protected:
    // For line edits that extend the state: dd derives from the line edit's
    // state and is owned by the line edit from here on.
    CPlaceholdLineEdit(CPlaceholdLineEditPrivate& dd, QWidget* pParent);
    void focusInEvent(QFocusEvent* pEvent) override;
    void focusOutEvent(QFocusEvent* pEvent) override;
};

} // namespace OrvaGUIToolkit

#endif
