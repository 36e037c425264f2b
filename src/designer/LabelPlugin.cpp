#include "designer/LabelPlugin.h"

#include <OrvaGUIToolkit/Label/Label.h>

namespace OrvaGUIToolkit {

CLabelPlugin::CLabelPlugin(QObject* pParent)
    : QObject(pParent)
    , GuiPlugin(QStringLiteral("OrvaGUIToolkit::CLabel"), QString())
{
}

QString CLabelPlugin::includeFile() const
{
    return QStringLiteral("OrvaGUIToolkit/Label/Label.h");
}

QWidget* CLabelPlugin::createWidget(QWidget* pParent)
{
    return new CLabel(QStringLiteral("TextLabel"), pParent);
}

} // namespace OrvaGUIToolkit

#include "moc_LabelPlugin.cpp"
