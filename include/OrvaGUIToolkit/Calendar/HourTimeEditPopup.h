#ifndef ORVAGUITOOLKIT_CALENDAR_HOURTIMEEDITPOPUP_H
#define ORVAGUITOOLKIT_CALENDAR_HOURTIMEEDITPOPUP_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtWidgets/QFrame>

#include <memory>

QT_BEGIN_NAMESPACE
class QTableWidgetItem;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {

class CHourTimeEditPopupPrivate;

// The hour grid that opens over a time field: "0" to "23" in four rows of six
// (132 x 88). Pressing a cell reports its hour. Style sheets address it as
// "HourTimeEditPopupClass" and its grid as "m_pTableWidget".
class ORVAGUITOOLKIT_EXPORT CHourTimeEditPopup : public QFrame
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CHourTimeEditPopup)

public:
    explicit CHourTimeEditPopup(QWidget* pParent = nullptr);
    ~CHourTimeEditPopup() override;

    // Clears the selection and makes current the cell showing strValue; no
    // cell is current when none shows it.
    void SetValue(const QString& strValue);

Q_SIGNALS:
    void SignalTimeChanged(int iTime);

public Q_SLOTS:
    void OnItemPressed(QTableWidgetItem* pItem);

protected:
    CHourTimeEditPopup(CHourTimeEditPopupPrivate& dd, QWidget* pParent);

    const std::unique_ptr<CHourTimeEditPopupPrivate> d_ptr;
};

} // namespace OrvaGUIToolkit

#endif
