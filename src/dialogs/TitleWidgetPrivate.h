#ifndef ORVAGUITOOLKIT_DIALOGS_TITLEWIDGETPRIVATE_H
#define ORVAGUITOOLKIT_DIALOGS_TITLEWIDGETPRIVATE_H

#include <OrvaGUIToolkit/Dialog/TitleWidget.h>

#include "dialogs/FancyTitlePrivate.h"

QT_BEGIN_NAMESPACE
class QHBoxLayout;
class QLabel;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {

class CTitleLabel;

// Adds the bar's parts: icon, title and the layout that holds them.
class CTitleWidgetPrivate : public CFancyTitlePrivate
{
    Q_DECLARE_PUBLIC(CTitleWidget)

public:
    CTitleWidgetPrivate();
    ~CTitleWidgetPrivate() override;

    // Builds the icon and title labels in their layout; run once by the constructor.
    void Init();

    QLabel* m_pIconLabel = nullptr;
    CTitleLabel* m_pTitleLabel = nullptr;
    QHBoxLayout* m_pLayout = nullptr;
};

} // namespace OrvaGUIToolkit

#endif
