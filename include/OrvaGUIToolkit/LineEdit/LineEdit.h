#ifndef ORVAGUITOOLKIT_LINEEDIT_LINEEDIT_H
#define ORVAGUITOOLKIT_LINEEDIT_LINEEDIT_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtCore/QPointer>
#include <QtWidgets/QLineEdit>

namespace OrvaGUIToolkit {

class CRegExpValidator;

// The toolkit's line edit: reports focus, cursor placement by the mouse and
// finished edits with the text, and can limit its text by encoded bytes.
class ORVAGUITOOLKIT_EXPORT CLineEdit : public QLineEdit
{
    Q_OBJECT

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
    void mousePressEvent(QMouseEvent* pEvent) override;
    void focusInEvent(QFocusEvent* pEvent) override;
    void focusOutEvent(QFocusEvent* pEvent) override;

private Q_SLOTS:
    void OnEditingFinished();

private:
    QPointer<CRegExpValidator> m_pByteValidator;
};

} // namespace OrvaGUIToolkit

#endif
