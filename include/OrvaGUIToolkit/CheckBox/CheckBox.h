#ifndef ORVAGUITOOLKIT_CHECKBOX_CHECKBOX_H
#define ORVAGUITOOLKIT_CHECKBOX_CHECKBOX_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtWidgets/QCheckBox>

#include <memory>

namespace OrvaGUIToolkit {

class CCheckBoxPrivate;

// The toolkit's check box: the whole widget, text included, toggles it, and
// SetCheckStateSilently() lets a control sync it without re-entering its own
// state handler.
class ORVAGUITOOLKIT_EXPORT CCheckBox : public QCheckBox
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CCheckBox)

public:
    explicit CCheckBox(QWidget* pParent = nullptr);
    explicit CCheckBox(const QString& strText, QWidget* pParent = nullptr);
    ~CCheckBox() override;

    void SetCheckStateSilently(Qt::CheckState enumState);

protected:
    // For check boxes that extend the state: dd derives from the check box's
    // state and is owned by the check box from here on.
    CCheckBox(CCheckBoxPrivate& dd, QWidget* pParent);
    bool hitButton(const QPoint& pos) const override;

    const std::unique_ptr<CCheckBoxPrivate> d_ptr;
};

} // namespace OrvaGUIToolkit

#endif
