#include "XmlDocumentReader.h"

#include <QtCore/QByteArray>
#include <QtCore/QFile>
#include <QtCore/QRegularExpression>
#include <QTextCodec>
#include <QtCore/QXmlStreamReader>
#include <QtXml/QDomDocument>

namespace OrvaGUIToolkit {

const qint64 CXmlDocumentReader::s_iMaxBytes = 8 * 1024 * 1024;
const int CXmlDocumentReader::s_iMaxDepth = 256;

bool CXmlDocumentReader::ParseText(QDomDocument& document, const QString& strXml)
{
    document.clear();
    if (!IsAcceptable(strXml))
        return false;
    // A failed parse may leave a partial tree behind; nothing of it is used.
    if (document.setContent(strXml))
        return true;
    document.clear();
    return false;
}

CXmlDocumentReader::FileResult CXmlDocumentReader::ParseFile(QDomDocument& document, const QString& strPath)
{
    QFile file(strPath);
    if (strPath.isEmpty() || !file.open(QIODevice::ReadOnly | QIODevice::Text))
        return FileResult::NotOpened;
    document.clear();
    if (file.size() > s_iMaxBytes)
        return FileResult::NotParsed;
    return ParseText(document, Decode(file.readAll())) ? FileResult::Parsed : FileResult::NotParsed;
}

// The DOM parser is handed text, so the bytes are decoded here: a byte-order
// mark wins, then the declared encoding (GB2312 for the documents this
// library writes), then UTF-8.
QString CXmlDocumentReader::Decode(const QByteArray& byteContent)
{
    QTextCodec* pCodec = QTextCodec::codecForUtfText(byteContent, nullptr);
    if (!pCodec) {
        static const QRegularExpression s_reEncoding(
            QStringLiteral("^\\s*<\\?xml[^>]*encoding\\s*=\\s*[\"']([A-Za-z0-9._:-]+)[\"']"));
        const QRegularExpressionMatch match = s_reEncoding.match(QString::fromLatin1(byteContent.left(256)));
        if (match.hasMatch())
            pCodec = QTextCodec::codecForName(match.captured(1).toLatin1());
    }
    if (!pCodec)
        pCodec = QTextCodec::codecForName("UTF-8");
    return pCodec->toUnicode(byteContent);
}

// Refuses, silently, texts too large or too deeply nested for a layout document. The
// DOM builds and frees its tree recursively, so depth is what could end the
// process; a stream reader measures it without building anything.
bool CXmlDocumentReader::IsAcceptable(const QString& strXml)
{
    if (strXml.size() > s_iMaxBytes)
        return false;
    QXmlStreamReader reader(strXml);
    int iDepth = 0;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType enumToken = reader.readNext();
        if (enumToken == QXmlStreamReader::StartElement && ++iDepth > s_iMaxDepth)
            return false;
        if (enumToken == QXmlStreamReader::EndElement)
            --iDepth;
    }
    return true;
}

} // namespace OrvaGUIToolkit
