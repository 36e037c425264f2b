#ifndef ORVAGUITOOLKIT_LAYOUT_XMLDOCUMENTREADER_H
#define ORVAGUITOOLKIT_LAYOUT_XMLDOCUMENTREADER_H

#include <QtCore/QString>

QT_BEGIN_NAMESPACE
class QByteArray;
class QDomDocument;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {

// Reads XML documents that people edit by hand into DOM documents. A layout
// configuration is a few kilobytes; documents much larger or nested much
// deeper than any layout are refused before the DOM parser sees them, so that
// a damaged or hostile file costs neither the memory nor the stack.
class CXmlDocumentReader
{
public:
    enum class FileResult { Parsed, NotParsed, NotOpened };

    static const qint64 s_iMaxBytes;
    static const int s_iMaxDepth;

    // Parses a text; false when it is refused or does not parse.
    static bool ParseText(QDomDocument& document, const QString& strXml);
    // Reads a file, decoding it by its byte-order mark or declared encoding.
    static FileResult ParseFile(QDomDocument& document, const QString& strPath);

private:
    static QString Decode(const QByteArray& byteContent);
    static bool IsAcceptable(const QString& strXml);
};

} // namespace OrvaGUIToolkit

#endif
