#ifndef ORVAGUITOOLKIT_TIMELINE_TAGEDITDIALOG_H
#define ORVAGUITOOLKIT_TIMELINE_TAGEDITDIALOG_H

#include <OrvaGUIToolkit/Dialog/BaseDialogWithBottom.h>

namespace OrvaGUIToolkit {

class CTagEditDialogPrivate;

// The small dialog in which an operator names a tag put on a recording: the
// tag's time ("Tag Time:") and its name ("Tag Name:", refused when empty).
// Accepting emits SignalSaveInput() for a new tag, or for an edited one whose
// name changed; closing emits SignalClosed().
class ORVAGUITOOLKIT_EXPORT CTagEditDialog : public CBaseDialogWithBottom
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CTagEditDialog)

public:
    explicit CTagEditDialog(QWidget* pParent = nullptr);
    // bEditing: an existing tag is renamed; its current name is the one given
    // to SetInputText().
    explicit CTagEditDialog(bool bEditing, QWidget* pParent = nullptr);
    ~CTagEditDialog() override;

    // Builds the rows (once; the constructors call it).
    void Init();
    void SetTagTime(const QString& strTime);
    QString GetTagTime() const;
    void SetInputText(const QString& strText);
    QString GetInputText() const;
    bool IsEditing() const;

public Q_SLOTS:
    void done(int iResult) override;

Q_SIGNALS:
    void SignalSaveInput(QString strTime, QString strName);
    void SignalClosed();
};

} // namespace OrvaGUIToolkit

#endif
