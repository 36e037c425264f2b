#ifndef ORVAGUITOOLKIT_DESIGNER_ORVAGUIPLUGIN_H
#define ORVAGUITOOLKIT_DESIGNER_ORVAGUIPLUGIN_H

#include <QtCore/QObject>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

namespace OrvaGUIToolkit {

// The collection interface under the identifier earlier Designer releases
// asked for; it adds nothing to Qt's interface.
class CCustomWidgetCollectionCompat : public QDesignerCustomWidgetCollectionInterface
{
};

} // namespace OrvaGUIToolkit

Q_DECLARE_INTERFACE(OrvaGUIToolkit::CCustomWidgetCollectionCompat, "com.trolltech.Qt.Designer.CustomWidgetCollection")

namespace OrvaGUIToolkit {

// The collection Qt Designer obtains from the library through the plug-in
// entry points that moc generates for this class (qt_plugin_instance and the
// metadata query). It offers the push button and the label, and answers to
// both identifiers of the collection interface.
class OrvaGuiPlugin : public QObject, public CCustomWidgetCollectionCompat
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
    Q_INTERFACES(QDesignerCustomWidgetCollectionInterface OrvaGUIToolkit::CCustomWidgetCollectionCompat)

public:
    explicit OrvaGuiPlugin(QObject* pParent = nullptr);

    QList<QDesignerCustomWidgetInterface*> customWidgets() const override;

private:
    QList<QDesignerCustomWidgetInterface*> m_listWidgets;
};

} // namespace OrvaGUIToolkit

#endif
