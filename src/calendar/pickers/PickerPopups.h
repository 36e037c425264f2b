#ifndef ORVAGUITOOLKIT_CALENDAR_PICKERS_PICKERPOPUPS_H
#define ORVAGUITOOLKIT_CALENDAR_PICKERS_PICKERPOPUPS_H

#include <QtCore/QPoint>

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {

class CFancyLineEdit;

// Opens a pop-up of a field right under the field, moved so that it stays on
// the screen (above the field when there is no room below).
void ShowPopupUnder(QWidget* pPopup, const QWidget* pField);

// Opens a pop-up of a field from the field's top-left corner: the anchor has
// the pop-up's own size, so the pop-up opens a pop-up's height lower, or over
// the field when there is no room below.
void ShowPopupAtCorner(QWidget* pPopup, const QWidget* pField);

// Whether a global point lies on the drop-down arrow of the field that opened
// a pop-up. A press there must not be replayed to the field once the pop-up
// has closed, or the same click would open it again.
bool IsOnDropDownArrow(const QWidget* pOpener, const QPoint& ptGlobal);

// Makes a line edit a read-only range field with the date button at its
// right end, always shown.
void SetupRangeField(CFancyLineEdit* pField);

} // namespace OrvaGUIToolkit

#endif
