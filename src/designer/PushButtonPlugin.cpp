#include "designer/PushButtonPlugin.h"

#include <OrvaGUIToolkit/Button/PushButton.h>

namespace OrvaGUIToolkit {

CPushButtonPlugin::CPushButtonPlugin(QObject* pParent)
    : QObject(pParent)
    , GuiPlugin(QStringLiteral("OrvaGUIToolkit::CPushButton"), QString())
{
}

QString CPushButtonPlugin::includeFile() const
{
    return QStringLiteral("OrvaGUIToolkit/Button/PushButton.h");
}

QWidget* CPushButtonPlugin::createWidget(QWidget* pParent)
{
    return new CPushButton(QStringLiteral("PushButton"), pParent);
}

} // namespace OrvaGUIToolkit

#include "moc_PushButtonPlugin.cpp"
