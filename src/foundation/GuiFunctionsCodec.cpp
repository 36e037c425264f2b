// Text codec and locale: the process-wide values and conversions through them.

#include "foundation/ToolkitLogging.h"
#include <OrvaGUIToolkit/Foundation/GuiFunctions.h>

#include <QTextCodec>

#include <iconv.h>
#include <langinfo.h>

namespace OrvaGUIToolkit {

namespace {

QTextCodec* s_pGuiTextCodec = nullptr;

QLocale& GuiLocale()
{
    static QLocale s_locale = QLocale::system();
    return s_locale;
}

QTextCodec* CodecOrDefault(QTextCodec* pCodec)
{
    return pCodec ? pCodec : GetGuiTextCodec();
}

} // namespace

void InitGuiTextCodec(QTextCodec* pCodec)
{
    s_pGuiTextCodec = pCodec;
}

QTextCodec* GetGuiTextCodec()
{
    return s_pGuiTextCodec;
}

void InitGuiLocale(const QLocale& locale)
{
    GuiLocale() = locale;
}

QLocale GetGuiLocale()
{
    return GuiLocale();
}

QString ConvertToUnicode(const char* szText, QTextCodec* pCodec)
{
    QTextCodec* pUse = CodecOrDefault(pCodec);
    if (!pUse) {
        qCWarning(lcOrvaGUIToolkit, "ConvertToUnicode: codec == NULL");
        return QString();
    }
    return pUse->toUnicode(szText);
}

QByteArray ConvertFromUnicode(const QString& strText, QTextCodec* pCodec)
{
    QTextCodec* pUse = CodecOrDefault(pCodec);
    if (!pUse) {
        qCWarning(lcOrvaGUIToolkit, "ConvertFromUnicode: codec == NULL");
        return QByteArray();
    }
    return pUse->fromUnicode(strText);
}

std::string ConvertUtf8ToAnsi(const char* szUtf8)
{
    if (!szUtf8)
        return std::string();
    // UTF-8 -> UTF-16 -> the narrow character set of the current C locale.
    const QString strWide = QString::fromUtf8(szUtf8);
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    const char* szWideCharset = "UTF-16LE";
#else
    const char* szWideCharset = "UTF-16BE";
#endif
    iconv_t handle = iconv_open(nl_langinfo(CODESET), szWideCharset);
    if (handle == reinterpret_cast<iconv_t>(-1))
        return std::string();

    QByteArray utf16(reinterpret_cast<const char*>(strWide.utf16()), strWide.size() * 2);
    std::string strResult(static_cast<size_t>(utf16.size()) * 2 + 16, '\0');
    char* pIn = utf16.data();
    size_t uInLeft = static_cast<size_t>(utf16.size());
    char* pOut = strResult.data();
    size_t uOutLeft = strResult.size();
    const size_t uDone = iconv(handle, &pIn, &uInLeft, &pOut, &uOutLeft);
    iconv_close(handle);
    if (uDone == static_cast<size_t>(-1) || uInLeft != 0)
        return std::string();
    strResult.resize(strResult.size() - uOutLeft);
    return strResult;
}

} // namespace OrvaGUIToolkit
