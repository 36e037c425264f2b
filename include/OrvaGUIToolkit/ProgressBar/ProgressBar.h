#ifndef ORVAGUITOOLKIT_PROGRESSBAR_PROGRESSBAR_H
#define ORVAGUITOOLKIT_PROGRESSBAR_PROGRESSBAR_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtWidgets/QProgressBar>

namespace OrvaGUIToolkit {

// The toolkit's progress bar: 0 to 100 with the percentage centred. Table
// cells showing a progress are painted in its style, so one style-sheet rule
// for "CProgressBar" gives bars and progress cells the same look.
class ORVAGUITOOLKIT_EXPORT CProgressBar : public QProgressBar
{
    Q_OBJECT

public:
    explicit CProgressBar(QWidget* pParent = nullptr);
    ~CProgressBar() override;
};

} // namespace OrvaGUIToolkit

#endif
