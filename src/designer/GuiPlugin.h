#ifndef ORVAGUITOOLKIT_DESIGNER_GUIPLUGIN_H
#define ORVAGUITOOLKIT_DESIGNER_GUIPLUGIN_H

#include <QtUiPlugin/QDesignerCustomWidgetInterface>

namespace OrvaGUIToolkit {

// What Qt Designer needs to know of one toolkit control: its class, the
// widget-box group it sits in and the XML a form gets when it is dropped.
// The concrete plug-ins add the header to include and create the control.
class GuiPlugin : public QDesignerCustomWidgetInterface
{
public:
    GuiPlugin(const QString& strClassName, const QString& strExtraXml);
    ~GuiPlugin() override;

    QString name() const override;
    QString group() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QIcon icon() const override;
    bool isContainer() const override;
    bool isInitialized() const override;
    void initialize(QDesignerFormEditorInterface* pCore) override;
    QString domXml() const override;
    QString codeTemplate() const override;

    // <ui language="c++"><widget class="N" name="n"/>E</ui>, where n is N
    // with a lower-case first character; nothing else, not even a newline.
    static QString DefaultDomXml(const QString& strClassName, const QString& strExtraXml);

private:
    QString m_strClassName;
    QString m_strDomXml;
    bool m_bInitialized = false;
};

} // namespace OrvaGUIToolkit

#endif
