#include <OrvaGUIToolkit/ProgressBar/ProgressBar.h>

namespace OrvaGUIToolkit {

CProgressBar::CProgressBar(QWidget* pParent)
    : QProgressBar(pParent)
{
    setRange(0, 100);
    setValue(0);
    setAlignment(Qt::AlignCenter);
    setTextVisible(true);
    setFormat(QStringLiteral("%p%"));
}

CProgressBar::~CProgressBar() = default;

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/ProgressBar/moc_ProgressBar.cpp"
