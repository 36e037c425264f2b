#ifndef ORVAGUITOOLKIT_LINEEDIT_LINEEDIT_H
#define ORVAGUITOOLKIT_LINEEDIT_LINEEDIT_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtWidgets/QLineEdit>

#include <memory>

namespace OrvaGUIToolkit {

class CLineEditPrivate;

// The toolkit's line edit: reports focus, cursor placement by the mouse and
// finished edits with the text, and can limit its text by encoded bytes.
class ORVAGUITOOLKIT_EXPORT CLineEdit : public QLineEdit
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CLineEdit)

public:
    explicit CLineEdit(QWidget* pParent = nullptr);
    explicit CLineEdit(const QString& strText, QWidget* pParent = nullptr);
    ~CLineEdit() override;

    // Installs a new CRegExpValidator limiting the text to iMaxLength bytes in
    // the process-wide codec. The validator is a child of pParent, or of the
    // line edit when pParent is null; a byte validator the line edit owns from
    // an earlier call is deleted.
    void SetMaxLineEditLength(int iMaxLength, QObject* pParent = nullptr);

Q_SIGNALS:
    void SignalEditingFinished(const QString& strText);
    void SignalCursorPosition(int iPosition);
    void SignalFocusIn();
    void SignalFousOut(const QString& strText);

protected:
    // For line edits that extend the state: dd derives from the line edit's
    // state and is owned by the line edit from here on.
    CLineEdit(CLineEditPrivate& dd, QWidget* pParent);
    void mousePressEvent(QMouseEvent* pEvent) override;
    void focusInEvent(QFocusEvent* pEvent) override;
    void focusOutEvent(QFocusEvent* pEvent) override;

    const std::unique_ptr<CLineEditPrivate> d_ptr;

private Q_SLOTS:
    void OnEditingFinished();
};

} // namespace OrvaGUIToolkit

#endif
