#ifndef ORVAGUITOOLKIT_CALENDAR_TIMEEDIT_H
#define ORVAGUITOOLKIT_CALENDAR_TIMEEDIT_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtWidgets/QDateTimeEdit>

namespace OrvaGUIToolkit {

// The time field of the pickers, shown as "hh:mm:ss". A click in its text
// reports SignalClicked() so that the owning panel can open the hour or minute
// grid for the section under the cursor; the grid's choice comes back through
// OnChangeTime().
class ORVAGUITOOLKIT_EXPORT CTimeEdit : public QTimeEdit
{
    Q_OBJECT

public:
    explicit CTimeEdit(QWidget* pParent = nullptr);
    CTimeEdit(const QTime& time, QWidget* pParent = nullptr);
    ~CTimeEdit() override;

    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

Q_SIGNALS:
    // A mouse button was released over the text.
    void SignalClicked();

public Q_SLOTS:
    // Replaces the hour, minute or second (the current section) by iTime and
    // keeps the other fields. Values that make no valid time are ignored.
    void OnChangeTime(int iTime);

private:
    void Init();
};

} // namespace OrvaGUIToolkit

#endif
