#ifndef ORVAGUITOOLKIT_LABEL_LABEL_H
#define ORVAGUITOOLKIT_LABEL_LABEL_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtWidgets/QLabel>

#include <memory>

namespace OrvaGUIToolkit {

class CLabelPrivate;

// A label whose trailing punctuation (typically a colon) is kept apart from
// its text, and which reports clicks, double clicks and hover while enabled.
class ORVAGUITOOLKIT_EXPORT CLabel : public QLabel
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CLabel)
    Q_PROPERTY(QString strText READ GetText WRITE SetText)
    Q_PROPERTY(QString strPunctuation READ GetPunctuation WRITE SetPunctuation)
    Q_PROPERTY(Qt::Alignment m_enumAlignment READ GetAlignment WRITE SetAlignment RESET ResetAlignment)

public:
    explicit CLabel(QWidget* pParent = nullptr);
    explicit CLabel(const QString& strText, QWidget* pParent = nullptr);
    ~CLabel() override;

    QString GetText() const;
    void SetText(const QString& strText);
    QString GetPunctuation() const;
    void SetPunctuation(const QString& strPunctuation);
    Qt::Alignment GetAlignment() const;
    void SetAlignment(Qt::Alignment enumAlignment);
    void ResetAlignment();

Q_SIGNALS:
    void SignalMouseClicked();
    void SignalDoubleClicked();
    void SignalMouseEnter();
    void SignalMouseLeave();

protected:
    // For labels that extend the state: dd derives from the label's state and
    // is owned by the label from here on.
    CLabel(CLabelPrivate& dd, QWidget* pParent);
    bool event(QEvent* pEvent) override;

    const std::unique_ptr<CLabelPrivate> d_ptr;
};

} // namespace OrvaGUIToolkit

#endif
