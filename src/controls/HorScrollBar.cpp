#include <OrvaGUIToolkit/ScrollBar/HorScrollBar.h>

namespace OrvaGUIToolkit {

CHorScrollBar::CHorScrollBar(QWidget* pParent)
    : CScrollBar(Qt::Horizontal, pParent)
{
}

CHorScrollBar::~CHorScrollBar() = default;

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/ScrollBar/moc_HorScrollBar.cpp"
