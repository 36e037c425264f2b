#include <OrvaGUIToolkit/Calendar/MinuteTimeEditPopup.h>

#include "foundation/ToolkitLogging.h"
#include "pickers/TimeGrid.h"

#include <QtWidgets/QTableWidget>

namespace OrvaGUIToolkit {

class CMinuteTimeEditPopupPrivate : public CTimeGridPopupPrivate
{
    Q_DECLARE_PUBLIC(CMinuteTimeEditPopup)

public:
    CMinuteTimeEditPopup* q_ptr = nullptr;
};

CMinuteTimeEditPopup::CMinuteTimeEditPopup(QWidget* pParent)
    : CMinuteTimeEditPopup(*new CMinuteTimeEditPopupPrivate, pParent)
{
}

CMinuteTimeEditPopup::CMinuteTimeEditPopup(CMinuteTimeEditPopupPrivate& dd, QWidget* pParent)
    : QFrame(pParent)
    , d_ptr(&dd)
{
    Q_D(CMinuteTimeEditPopup);
    d->q_ptr = this;
    d->m_pTableWidget = SetupTimeGrid(this, {QStringLiteral("MinuteTimeEditPopupClass"), QSize(130, 49), 2, 6, 5});
    connect(d->m_pTableWidget, &CTimeGridTable::SignalCellPressed, this, &CMinuteTimeEditPopup::OnItemPressed);
}

CMinuteTimeEditPopup::~CMinuteTimeEditPopup() = default;

void CMinuteTimeEditPopup::SetValue(const QString& strValue)
{
    Q_D(CMinuteTimeEditPopup);
    SetCurrentTimeCell(d->m_pTableWidget, strValue);
}

void CMinuteTimeEditPopup::OnItemPressed(QTableWidgetItem* pItem)
{
    if (!pItem) {
        qCWarning(lcOrvaGUIToolkit, "CMinuteTimeEditPopup::OnItemPressed: pItem == NULL");
        return;
    }
    Q_EMIT SignalTimeChanged(pItem->text().toInt());
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/Calendar/moc_MinuteTimeEditPopup.cpp"
