#include <OrvaGUIToolkit/Calendar/HourTimeEditPopup.h>

#include "foundation/ToolkitLogging.h"
#include "pickers/TimeGrid.h"

#include <QtWidgets/QTableWidget>

namespace OrvaGUIToolkit {

class CHourTimeEditPopupPrivate : public CTimeGridPopupPrivate
{
    Q_DECLARE_PUBLIC(CHourTimeEditPopup)

public:
    CHourTimeEditPopup* q_ptr = nullptr;
};

CHourTimeEditPopup::CHourTimeEditPopup(QWidget* pParent)
    : CHourTimeEditPopup(*new CHourTimeEditPopupPrivate, pParent)
{
}

CHourTimeEditPopup::CHourTimeEditPopup(CHourTimeEditPopupPrivate& dd, QWidget* pParent)
    : QFrame(pParent)
    , d_ptr(&dd)
{
    Q_D(CHourTimeEditPopup);
    d->q_ptr = this;
    d->m_pTableWidget = SetupTimeGrid(this, {QStringLiteral("HourTimeEditPopupClass"), QSize(132, 88), 4, 6, 1});
    connect(d->m_pTableWidget, &CTimeGridTable::SignalCellPressed, this, &CHourTimeEditPopup::OnItemPressed);
}

CHourTimeEditPopup::~CHourTimeEditPopup() = default;

void CHourTimeEditPopup::SetValue(const QString& strValue)
{
    Q_D(CHourTimeEditPopup);
    SetCurrentTimeCell(d->m_pTableWidget, strValue);
}

void CHourTimeEditPopup::OnItemPressed(QTableWidgetItem* pItem)
{
    if (!pItem) {
        qCWarning(lcOrvaGUIToolkit, "CHourTimeEditPopup::OnItemPressed: pItem == NULL");
        return;
    }
    Q_EMIT SignalTimeChanged(pItem->text().toInt());
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/Calendar/moc_HourTimeEditPopup.cpp"
