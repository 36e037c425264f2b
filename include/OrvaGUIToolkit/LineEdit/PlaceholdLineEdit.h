#ifndef ORVAGUITOOLKIT_LINEEDIT_PLACEHOLDLINEEDIT_H
#define ORVAGUITOOLKIT_LINEEDIT_PLACEHOLDLINEEDIT_H

#include <OrvaGUIToolkit/LineEdit/LineEdit.h>

namespace OrvaGUIToolkit {

// A line edit whose placeholder stays readable as a tool tip once the field
// is empty and unfocused, and which shows a hint of its own while focused.
class ORVAGUITOOLKIT_EXPORT CPlaceholdLineEdit : public CLineEdit
{
    Q_OBJECT

public:
    explicit CPlaceholdLineEdit(QWidget* pParent = nullptr);
    ~CPlaceholdLineEdit() override;

    // Sets the placeholder and the tool tip to strText.
    void setPlaceholderText(const QString& strText);
    // The tool tip shown while the field has focus.
    void SetToolTips(const QString& strToolTips);

protected:
    void focusInEvent(QFocusEvent* pEvent) override;
    void focusOutEvent(QFocusEvent* pEvent) override;

private:
    QString m_strToolTips;
};

} // namespace OrvaGUIToolkit

#endif
