#ifndef ORVAGUITOOLKIT_CALENDAR_MINUTETIMEEDITPOPUP_H
#define ORVAGUITOOLKIT_CALENDAR_MINUTETIMEEDITPOPUP_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtWidgets/QFrame>

#include <memory>

QT_BEGIN_NAMESPACE
class QTableWidgetItem;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {

class CMinuteTimeEditPopupPrivate;

// The minute grid that opens over a time field: "0", "5" .. "55" in two rows
// of six (130 x 49). Pressing a cell reports its minute. Style sheets address it as
// "MinuteTimeEditPopupClass" and its grid as "m_pTableWidget".
class ORVAGUITOOLKIT_EXPORT CMinuteTimeEditPopup : public QFrame
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CMinuteTimeEditPopup)

public:
    explicit CMinuteTimeEditPopup(QWidget* pParent = nullptr);
    ~CMinuteTimeEditPopup() override;

    // Clears the selection and makes current the cell showing strValue; no
    // cell is current when none shows it (a minute that is no multiple of five).
    void SetValue(const QString& strValue);

Q_SIGNALS:
    void SignalTimeChanged(int iTime);

public Q_SLOTS:
    void OnItemPressed(QTableWidgetItem* pItem);

protected:
    CMinuteTimeEditPopup(CMinuteTimeEditPopupPrivate& dd, QWidget* pParent);

    const std::unique_ptr<CMinuteTimeEditPopupPrivate> d_ptr;
};

} // namespace OrvaGUIToolkit

#endif
