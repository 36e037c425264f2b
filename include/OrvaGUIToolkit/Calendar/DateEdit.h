#ifndef ORVAGUITOOLKIT_CALENDAR_DATEEDIT_H
#define ORVAGUITOOLKIT_CALENDAR_DATEEDIT_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtWidgets/QDateTimeEdit>

namespace OrvaGUIToolkit {

// The plain date field of the toolkit: "yyyy-MM-dd", today at start, with a
// drop-down calendar. Item views use it as the editor of date cells.
class ORVAGUITOOLKIT_EXPORT CDateEdit : public QDateEdit
{
    Q_OBJECT

public:
    explicit CDateEdit(QWidget* pParent = nullptr);
    ~CDateEdit() override;
};

} // namespace OrvaGUIToolkit

#endif
