#ifndef ORVAGUITOOLKIT_CALENDAR_CALENDARDELEGATE_H
#define ORVAGUITOOLKIT_CALENDAR_CALENDARDELEGATE_H

#include <QtWidgets/QStyledItemDelegate>

namespace OrvaGUIToolkit {

class CCalendarWidget;

// Paints a day cell the standard way, then lets the calendar widget that
// created it paint over the cell (day marks, the day-name row pictures).
class CCalendarDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    // pParent is the calendar widget that paints over the cells; not owned.
    explicit CCalendarDelegate(CCalendarWidget* pParent);

    void paint(QPainter* pPainter, const QStyleOptionViewItem& option, const QModelIndex& miIndex) const override;

private:
    CCalendarWidget* m_pCalendarWidget = nullptr;
};

} // namespace OrvaGUIToolkit

#endif
