#ifndef ORVAGUITOOLKIT_LAYOUT_GENERICDS_H
#define ORVAGUITOOLKIT_LAYOUT_GENERICDS_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtCore/QScopedPointer>
#include <QtCore/QString>

QT_BEGIN_NAMESPACE
class QDomElement;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {

class CGenericDSPrivate;

// A handle on one element of an XML document (the current element) and on
// the document that owns it. Copies and the children it hands out share the
// same document. Documents are saved in GB2312.
class ORVAGUITOOLKIT_EXPORT CGenericDS
{
public:
    CGenericDS();
    CGenericDS(const CGenericDS& other);
    CGenericDS& operator=(const CGenericDS& other);
    ~CGenericDS();

    // False for a null path or a file that cannot be read; true otherwise,
    // also when the content is not XML (the current element is then null).
    bool LoadXML(const QString& strPath);
    // Parses a text; false for an empty text or one that does not parse.
    bool PhaseXml(const QString& strXml);
    bool SaveXML(const QString& strPath);
    QString GetXml();

    bool CreateASRoot(const QString& strName);
    CGenericDS CreateChild(const QString& strName);
    int GetChildrenCount() const;
    CGenericDS GetChild(int i) const;
    // The first element of that tag anywhere below, in document order.
    CGenericDS GetChildByName(const QString& strName) const;
    QString GetName() const;
    bool RemoveChild(const QString& strName);
    bool RemoveChild(int i);

    bool SetValue(const QString& strValue);
    bool SetAttribute(const QString& strName, const QString& strValue);
    bool GetValue(QString& strValue) const;
    QString GetValue() const;
    QString GetAttribute(const QString& strName, const QString& strDefault = QString()) const;

private:
    CGenericDS Wrap(const QDomElement& element) const;

    QScopedPointer<CGenericDSPrivate> d_ptr;
    Q_DECLARE_PRIVATE(CGenericDS)
};

} // namespace OrvaGUIToolkit

#endif
