#include "designer/OrvaGuiPlugin.h"

#include "designer/LabelPlugin.h"
#include "designer/PushButtonPlugin.h"

namespace OrvaGUIToolkit {

OrvaGuiPlugin::OrvaGuiPlugin(QObject* pParent)
    : QObject(pParent)
{
    // Parented to the collection, so they die with it.
    auto* pLabel = new CLabelPlugin(this);
    auto* pButton = new CPushButtonPlugin(this);
    m_listWidgets = {pButton, pLabel};
}

QList<QDesignerCustomWidgetInterface*> OrvaGuiPlugin::customWidgets() const
{
    return m_listWidgets;
}

} // namespace OrvaGUIToolkit

#include "moc_OrvaGuiPlugin.cpp"
