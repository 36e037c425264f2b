#include "designer/GuiPlugin.h"

#include <QtGui/QIcon>

namespace OrvaGUIToolkit {

GuiPlugin::GuiPlugin(const QString& strClassName, const QString& strExtraXml)
    : m_strClassName(strClassName)
    , m_strDomXml(DefaultDomXml(strClassName, strExtraXml))
{
}

GuiPlugin::~GuiPlugin() = default;

QString GuiPlugin::DefaultDomXml(const QString& strClassName, const QString& strExtraXml)
{
    QString strObjectName = strClassName;
    if (!strObjectName.isEmpty())
        strObjectName[0] = strObjectName.at(0).toLower();
    return QStringLiteral("<ui language=\"c++\"><widget class=\"%1\" name=\"%2\"/>%3</ui>")
        .arg(strClassName, strObjectName, strExtraXml);
}

QString GuiPlugin::name() const
{
    return m_strClassName;
}

QString GuiPlugin::group() const
{
    return QStringLiteral("Gui Controls");
}

QString GuiPlugin::toolTip() const
{
    return QString();
}

QString GuiPlugin::whatsThis() const
{
    return QString();
}

QIcon GuiPlugin::icon() const
{
    return QIcon();
}

bool GuiPlugin::isContainer() const
{
    return false;
}

bool GuiPlugin::isInitialized() const
{
    return m_bInitialized;
}

void GuiPlugin::initialize(QDesignerFormEditorInterface*)
{
    // Nothing to set up: Designer only needs to see the call take effect once.
    m_bInitialized = true;
}

QString GuiPlugin::domXml() const
{
    return m_strDomXml;
}

QString GuiPlugin::codeTemplate() const
{
    return QString();
}

} // namespace OrvaGUIToolkit
