#ifndef ORVAGUITOOLKIT_CHECKBOX_CHECKBOX_H
#define ORVAGUITOOLKIT_CHECKBOX_CHECKBOX_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtWidgets/QCheckBox>

namespace OrvaGUIToolkit {

// The toolkit's check box: the whole widget, text included, toggles it, and
// SetCheckStateSilently() lets a control sync it without re-entering its own
// state handler.
class ORVAGUITOOLKIT_EXPORT CCheckBox : public QCheckBox
{
    Q_OBJECT

public:
    explicit CCheckBox(QWidget* pParent = nullptr);
    explicit CCheckBox(const QString& strText, QWidget* pParent = nullptr);
    ~CCheckBox() override;

    void SetCheckStateSilently(Qt::CheckState enumState);

protected:
    bool hitButton(const QPoint& pos) const override;
};

} // namespace OrvaGUIToolkit

#endif
