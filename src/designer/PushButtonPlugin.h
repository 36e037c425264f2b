#ifndef ORVAGUITOOLKIT_DESIGNER_PUSHBUTTONPLUGIN_H
#define ORVAGUITOOLKIT_DESIGNER_PUSHBUTTONPLUGIN_H

#include "designer/GuiPlugin.h"

#include <QtCore/QObject>

namespace OrvaGUIToolkit {

// Offers CPushButton to Qt Designer.
class CPushButtonPlugin : public QObject, public GuiPlugin
{
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    explicit CPushButtonPlugin(QObject* pParent = nullptr);

    QString includeFile() const override;
    QWidget* createWidget(QWidget* pParent) override;
};

} // namespace OrvaGUIToolkit

#endif
