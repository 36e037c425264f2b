#ifndef ORVAGUITOOLKIT_LINEEDIT_FILTERLINEEDIT_H
#define ORVAGUITOOLKIT_LINEEDIT_FILTERLINEEDIT_H

#include <OrvaGUIToolkit/LineEdit/FancyLineEdit.h>

#include <QRegExp>

namespace OrvaGUIToolkit {

// A filter field: a fancy line edit with a clear button that fades in with
// the first character, reporting each change of the filter text with the old
// and the new filter. Optionally it refuses forbidden characters like the
// validating line edits, with a warning tool tip.
class ORVAGUITOOLKIT_EXPORT CFilterLineEdit : public CFancyLineEdit
{
    Q_OBJECT

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

private Q_SLOTS:
    void OnCheckFilter(const QString& strText);

private:
    QString DefaultWarning() const;

    QString m_strLastFilter;
    QRegExp m_regExp;
    QString m_strWarning;
    bool m_bValidate = false;
};

} // namespace OrvaGUIToolkit

#endif
