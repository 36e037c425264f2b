#ifndef ORVAGUITOOLKIT_TIMELINE_TAGEDITDIALOG_H
#define ORVAGUITOOLKIT_TIMELINE_TAGEDITDIALOG_H

#include <OrvaGUIToolkit/Dialog/BaseDialogWithBottom.h>

QT_BEGIN_NAMESPACE
class QLabel;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {

class CLineEdit;

// The small dialog in which an operator names a tag put on a recording: the
// tag's time ("Tag Time:") and its name ("Tag Name:", refused when empty).
// Accepting emits SignalSaveInput() for a new tag, or for an edited one whose
// name changed; closing emits SignalClosed().
class ORVAGUITOOLKIT_EXPORT CTagEditDialog : public CBaseDialogWithBottom
{
    Q_OBJECT

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
    CLineEdit* GetNameEdit() const;

    // Longest tag name, in bytes of the process-wide codec.
    static constexpr int s_iMaxNameBytes = 64;

public Q_SLOTS:
    void done(int iResult) override;

Q_SIGNALS:
    void SignalSaveInput(QString strTime, QString strName);
    void SignalClosed();

private:
    bool m_bEditing = false;
    QString m_strOldName;
    QLabel* m_pTimeLabel = nullptr;
    CLineEdit* m_pNameEdit = nullptr;
};

} // namespace OrvaGUIToolkit

#endif
