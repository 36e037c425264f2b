#ifndef ORVAGUITOOLKIT_LINEEDIT_VALIDATELINEEDIT_H
#define ORVAGUITOOLKIT_LINEEDIT_VALIDATELINEEDIT_H

#include <OrvaGUIToolkit/LineEdit/LineEdit.h>

#include <QRegExp>

namespace OrvaGUIToolkit {

// A line edit for file and device names. Any change that brings in a
// forbidden character (typed, pasted or set by code) is undone: the field
// returns to its last accepted text and a tool tip says which characters are
// refused. By default these are the nine characters | > < " ? * : / \.
class ORVAGUITOOLKIT_EXPORT CValidateLineEdit : public CLineEdit
{
    Q_OBJECT

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

private:
    QRegExp m_regExp;
    QString m_strLastText;
    QString m_strWarning;
    bool m_bCustomWarning = false;
};

} // namespace OrvaGUIToolkit

#endif
