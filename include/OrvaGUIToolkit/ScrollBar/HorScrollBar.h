#ifndef ORVAGUITOOLKIT_SCROLLBAR_HORSCROLLBAR_H
#define ORVAGUITOOLKIT_SCROLLBAR_HORSCROLLBAR_H

#include <OrvaGUIToolkit/ScrollBar/ScrollBar.h>

namespace OrvaGUIToolkit {

// The toolkit's horizontal scroll bar, as the item views install it; style
// sheets address it as "CHorScrollBar".
class ORVAGUITOOLKIT_EXPORT CHorScrollBar : public CScrollBar
{
    Q_OBJECT

public:
    explicit CHorScrollBar(QWidget* pParent = nullptr);
    ~CHorScrollBar() override;
};

} // namespace OrvaGUIToolkit

#endif
