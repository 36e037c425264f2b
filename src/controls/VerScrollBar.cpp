#include <OrvaGUIToolkit/ScrollBar/VerScrollBar.h>

namespace OrvaGUIToolkit {

CVerScrollBar::CVerScrollBar(QWidget* pParent)
    : CScrollBar(Qt::Vertical, pParent)
{
}

CVerScrollBar::~CVerScrollBar() = default;

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/ScrollBar/moc_VerScrollBar.cpp"
