#ifndef ORVAGUITOOLKIT_LINEEDIT_VALIDATELINEEDIT_H
#define ORVAGUITOOLKIT_LINEEDIT_VALIDATELINEEDIT_H

#include <OrvaGUIToolkit/LineEdit/LineEdit.h>

#include <QRegExp>

namespace OrvaGUIToolkit {

class CValidateLineEditPrivate;

// A line edit for file and device names. Any change that brings in a
// forbidden character (typed, pasted or set by code) is undone: the field
// returns to its last accepted text and a tool tip says which characters are
// refused. By default these are the nine characters | > < " ? * : / \.
class ORVAGUITOOLKIT_EXPORT CValidateLineEdit : public CLineEdit
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CValidateLineEdit)

public:
    explicit CValidateLineEdit(QWidget* pParent = nullptr);
    ~CValidateLineEdit() override;

    // Replaces the forbidden-character expression and the warning shown when
    // it matches.
    void SetRegExp(const QRegExp& regExp, const QString& strWarning);
    QRegExp GetRegExp() const;
    // The warning shown on a refusal.
    QString GetWarningText() const;

Q_SIGNALS:
    // A new accepted text.
    void SignalTextChanged(const QString& strText);

public Q_SLOTS:
    void OnTextChanged(const QString& strText);

protected:
    // For line edits that extend the state: dd derives from the line edit's
    // state and is owned by the line edit from here on.
    CValidateLineEdit(CValidateLineEditPrivate& dd, QWidget* pParent);
};

} // namespace OrvaGUIToolkit

#endif
