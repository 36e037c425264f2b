#include <OrvaGUIToolkit/ScrollBar/HorScrollBar.h>

namespace OrvaGUIToolkit {

CHorScrollBar::CHorScrollBar(QWidget* pParent)
    : CScrollBar(Qt::Horizontal, pParent)
{
}

CHorScrollBar::~CHorScrollBar() = default;

} // namespace OrvaGUIToolkit
