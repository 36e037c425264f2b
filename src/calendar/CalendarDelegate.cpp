#include "CalendarDelegate.h"

#include <OrvaGUIToolkit/Calendar/CalendarWidget.h>

namespace OrvaGUIToolkit {

CCalendarDelegate::CCalendarDelegate(CCalendarWidget* pParent)
    : QStyledItemDelegate(pParent)
    , m_pCalendarWidget(pParent)
{
}

void CCalendarDelegate::paint(QPainter* pPainter, const QStyleOptionViewItem& option, const QModelIndex& miIndex) const
{
    QStyledItemDelegate::paint(pPainter, option, miIndex);
    if (!m_pCalendarWidget)
        return;
    QStyleOptionViewItem optionCell = option;
    initStyleOption(&optionCell, miIndex);
    m_pCalendarWidget->paintCell(pPainter, optionCell, miIndex);
}

} // namespace OrvaGUIToolkit

#include "moc_CalendarDelegate.cpp"
