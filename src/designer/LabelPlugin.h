#ifndef ORVAGUITOOLKIT_DESIGNER_LABELPLUGIN_H
#define ORVAGUITOOLKIT_DESIGNER_LABELPLUGIN_H

#include "designer/GuiPlugin.h"

#include <QtCore/QObject>

namespace OrvaGUIToolkit {

// Offers CLabel to Qt Designer.
class CLabelPlugin : public QObject, public GuiPlugin
{
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    explicit CLabelPlugin(QObject* pParent = nullptr);

    QString includeFile() const override;
    QWidget* createWidget(QWidget* pParent) override;
};

} // namespace OrvaGUIToolkit

#endif
