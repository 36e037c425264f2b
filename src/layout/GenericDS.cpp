#include <OrvaGUIToolkit/Layout/GenericDS.h>

#include "layout/XmlDocumentReader.h"

#include <QtCore/QFile>
#include <QTextCodec>
#include <QtXml/QDomDocument>

namespace OrvaGUIToolkit {

class CGenericDSPrivate
{
public:
    // Element children of the current element only; text, comments and
    // processing instructions are not counted.
    QDomElement ElementChild(int i) const
    {
        if (i < 0)
            return QDomElement();
        QDomElement child = m_element.firstChildElement();
        for (; !child.isNull() && i > 0; --i)
            child = child.nextSiblingElement();
        return child;
    }

    QDomNode FirstTextChild() const
    {
        for (QDomNode node = m_element.firstChild(); !node.isNull(); node = node.nextSibling()) {
            if (node.isText())
                return node;
        }
        return QDomNode();
    }

    QDomDocument m_document;
    QDomElement m_element;
};

CGenericDS::CGenericDS()
    : d_ptr(new CGenericDSPrivate)
{
}

CGenericDS::CGenericDS(const CGenericDS& other)
    : d_ptr(new CGenericDSPrivate(*other.d_ptr))
{
}

CGenericDS& CGenericDS::operator=(const CGenericDS& other)
{
    *d_ptr = *other.d_ptr;
    return *this;
}

CGenericDS::~CGenericDS() = default;

bool CGenericDS::LoadXML(const QString& strPath)
{
    Q_D(CGenericDS);
    if (strPath.isNull())
        return false;
    if (CXmlDocumentReader::ParseFile(d->m_document, strPath) == CXmlDocumentReader::FileResult::NotOpened)
        return false;
    d->m_element = d->m_document.documentElement();
    return true;
}

bool CGenericDS::PhaseXml(const QString& strXml)
{
    Q_D(CGenericDS);
    if (strXml.isEmpty())
        return false;
    const bool bParsed = CXmlDocumentReader::ParseText(d->m_document, strXml);
    d->m_element = d->m_document.documentElement();
    return bParsed;
}

// Written through the GB2312 codec on every Qt version: the client's other
// tools read these documents in that encoding.
bool CGenericDS::SaveXML(const QString& strPath)
{
    Q_D(CGenericDS);
    QFile file(strPath);
    if (strPath.isEmpty() || !file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    QTextCodec* pCodec = QTextCodec::codecForName("GB2312");
    const QString strText = d->m_document.toString(0);
    file.write(pCodec ? pCodec->fromUnicode(strText) : strText.toUtf8());
    return true;
}

QString CGenericDS::GetXml()
{
    return d_func()->m_document.toString(1);
}

bool CGenericDS::CreateASRoot(const QString& strName)
{
    Q_D(CGenericDS);
    d->m_document.appendChild(d->m_document.createProcessingInstruction(
        QStringLiteral("xml"), QStringLiteral("version=\"1.0\" encoding=\"GB2312\"")));
    d->m_element = d->m_document.createElement(strName);
    d->m_document.appendChild(d->m_element);
    return true;
}

CGenericDS CGenericDS::CreateChild(const QString& strName)
{
    Q_D(CGenericDS);
    if (d->m_element.isNull())
        return CGenericDS();
    QDomElement child = d->m_element.ownerDocument().createElement(strName);
    d->m_element.appendChild(child);
    return Wrap(child);
}

int CGenericDS::GetChildrenCount() const
{
    int iCount = 0;
    for (QDomElement child = d_func()->m_element.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement())
        ++iCount;
    return iCount;
}

CGenericDS CGenericDS::GetChild(int i) const
{
    const QDomElement child = d_func()->ElementChild(i);
    return child.isNull() ? CGenericDS() : Wrap(child);
}

CGenericDS CGenericDS::GetChildByName(const QString& strName) const
{
    Q_D(const CGenericDS);
    if (d->m_element.isNull())
        return CGenericDS();
    const QDomElement found = d->m_element.elementsByTagName(strName).item(0).toElement();
    return found.isNull() ? CGenericDS() : Wrap(found);
}

QString CGenericDS::GetName() const
{
    return d_func()->m_element.tagName();
}

bool CGenericDS::RemoveChild(const QString& strName)
{
    Q_D(CGenericDS);
    if (d->m_element.isNull())
        return true;
    const QDomNode found = d->m_element.elementsByTagName(strName).item(0);
    if (!found.isNull() && found.parentNode() == d->m_element)
        d->m_element.removeChild(found);
    return true;
}

bool CGenericDS::RemoveChild(int i)
{
    Q_D(CGenericDS);
    const QDomElement child = d->ElementChild(i);
    if (child.isNull())
        return false;
    d->m_element.removeChild(child);
    return true;
}

bool CGenericDS::SetValue(const QString& strValue)
{
    Q_D(CGenericDS);
    if (d->m_element.isNull())
        return false;
    QDomNode text = d->FirstTextChild();
    if (text.isNull())
        d->m_element.appendChild(d->m_element.ownerDocument().createTextNode(strValue));
    else
        text.setNodeValue(strValue);
    return true;
}

bool CGenericDS::SetAttribute(const QString& strName, const QString& strValue)
{
    Q_D(CGenericDS);
    if (d->m_element.isNull())
        return false;
    d->m_element.setAttribute(strName, strValue);
    return true;
}

bool CGenericDS::GetValue(QString& strValue) const
{
    const QDomNode text = d_func()->FirstTextChild();
    if (text.isNull())
        return false;
    strValue = text.nodeValue();
    return true;
}

QString CGenericDS::GetValue() const
{
    QString strValue;
    GetValue(strValue);
    return strValue;
}

QString CGenericDS::GetAttribute(const QString& strName, const QString& strDefault) const
{
    return d_func()->m_element.attribute(strName, strDefault);
}

// A wrapper of another element of the same document.
CGenericDS CGenericDS::Wrap(const QDomElement& element) const
{
    CGenericDS wrapper;
    wrapper.d_func()->m_document = d_func()->m_document;
    wrapper.d_func()->m_element = element;
    return wrapper;
}

} // namespace OrvaGUIToolkit
