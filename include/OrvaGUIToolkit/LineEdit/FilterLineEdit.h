#ifndef ORVAGUITOOLKIT_LINEEDIT_FILTERLINEEDIT_H
#define ORVAGUITOOLKIT_LINEEDIT_FILTERLINEEDIT_H

#include <OrvaGUIToolkit/LineEdit/FancyLineEdit.h>

#include <QRegExp>

namespace OrvaGUIToolkit {

class CFilterLineEditPrivate;

// A filter field: a fancy line edit with a clear button that fades in with
// the first character, reporting each change of the filter text with the old
// and the new filter. Optionally it refuses forbidden characters like the
// validating line edits, with a warning tool tip.
class ORVAGUITOOLKIT_EXPORT CFilterLineEdit : public CFancyLineEdit
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CFilterLineEdit)

public:
    explicit CFilterLineEdit(QWidget* pParent = nullptr);
    ~CFilterLineEdit() override;

    // Replaces the forbidden-character expression and its warning and turns
    // validation on.
    void SetRegExp(const QRegExp& regExp, const QString& strWarning);
    // Turns validation on with the ten default forbidden characters (the
    // apostrophe among them), or off.
    void SetDefaultRegExp(bool bOn);
    bool IsValidating() const;
    QString GetFilterText() const;

Q_SIGNALS:
    void SignalFilterChanged(const QString& strNewFilter, const QString& strOldFilter);

protected:
    // For line edits that extend the state: dd derives from the line edit's
    // state and is owned by the line edit from here on.
    CFilterLineEdit(CFilterLineEditPrivate& dd, QWidget* pParent);
};

} // namespace OrvaGUIToolkit

#endif
