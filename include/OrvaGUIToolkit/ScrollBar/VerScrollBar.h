#ifndef ORVAGUITOOLKIT_SCROLLBAR_VERSCROLLBAR_H
#define ORVAGUITOOLKIT_SCROLLBAR_VERSCROLLBAR_H

#include <OrvaGUIToolkit/ScrollBar/ScrollBar.h>

namespace OrvaGUIToolkit {

// The toolkit's vertical scroll bar, as the item views install it; style
// sheets address it as "CVerScrollBar".
class ORVAGUITOOLKIT_EXPORT CVerScrollBar : public CScrollBar
{
    Q_OBJECT

public:
    explicit CVerScrollBar(QWidget* pParent = nullptr);
    ~CVerScrollBar() override;
};

} // namespace OrvaGUIToolkit

#endif
