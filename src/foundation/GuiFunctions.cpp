#include "foundation/ToolkitLogging.h"
#include <OrvaGUIToolkit/Foundation/GuiFunctions.h>

#include "ForbiddenCharacters.h"
#include "GuiFunctionsInternal.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QDateTime>
#include <QtCore/QDir>
#include <QtCore/QElapsedTimer>
#include <QtCore/QHash>
#include <QtCore/QMimeData>
#include <QtCore/QRegularExpression>
#include <QTextCodec>
#include <QtCore/QThread>
#include <QtCore/QUrl>
#include <QtGui/QGuiApplication>
#include <QtGui/QImage>
#include <QtGui/QPixmapCache>
#include <QtGui/QScreen>
#include <QtGui/QStandardItemModel>
#include <QtWidgets/QLayout>
#include <QtWidgets/QWidget>

#include <cerrno>
#include <cmath>
#include <iconv.h>
#include <langinfo.h>
#include <limits>

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

QScreen* ScreenNearest(const QPoint& point)
{
    QScreen* pNearest = nullptr;
    qint64 iBest = std::numeric_limits<qint64>::max();
    for (QScreen* pScreen : QGuiApplication::screens()) {
        const QRect rect = pScreen->geometry();
        const qint64 dx = point.x() < rect.left() ? rect.left() - point.x()
                        : point.x() > rect.right() ? point.x() - rect.right() : 0;
        const qint64 dy = point.y() < rect.top() ? rect.top() - point.y()
                        : point.y() > rect.bottom() ? point.y() - rect.bottom() : 0;
        const qint64 iDistance = dx * dx + dy * dy;
        if (iDistance < iBest) {
            iBest = iDistance;
            pNearest = pScreen;
        }
    }
    return pNearest;
}

QScreen* ScreenOfWidget(const QWidget* pWidget)
{
    if (pWidget)
        return pWidget->screen();
    return QGuiApplication::primaryScreen();
}

QRect ScreenGeometryOf(const QWidget* pWidget)
{
    const QScreen* pScreen = ScreenOfWidget(pWidget);
    return pScreen ? pScreen->geometry() : QRect();
}

QRect CornerEllipse(const QRect& rect, int iRadius, Qt::Corner enumCorner)
{
    QRect ellipse(0, 0, 2 * iRadius, 2 * iRadius);
    switch (enumCorner) {
    case Qt::TopLeftCorner: ellipse.moveTopLeft(rect.topLeft()); break;
    case Qt::TopRightCorner: ellipse.moveTopRight(rect.topRight()); break;
    case Qt::BottomLeftCorner: ellipse.moveBottomLeft(rect.bottomLeft()); break;
    case Qt::BottomRightCorner: ellipse.moveBottomRight(rect.bottomRight()); break;
    }
    return ellipse;
}

QRegion RoundedRegion(const QRect& rect, int iRadius, const QRect& band1, const QRect& band2,
                      std::initializer_list<Qt::Corner> corners)
{
    QRegion region = QRegion(band1).united(band2);
    for (Qt::Corner enumCorner : corners)
        region = region.united(QRegion(CornerEllipse(rect, iRadius, enumCorner), QRegion::Ellipse));
    return region;
}

QString FormatSize(double dValue, const char* szUnit, int iPrecision)
{
    return QStringLiteral("%1 %2").arg(QLocale().toString(dValue, 'f', iPrecision), QLatin1String(szUnit));
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

QString GetTargetPath()
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/');
}

QString GetTargetPathFile(const QString& strFile)
{
    if (QDir::isAbsolutePath(strFile))
        return strFile;
    return GetTargetPath() + strFile;
}

QString GetResources()
{
    return GetTargetPath();
}

QString ParsePathName(const QString& strPath)
{
    return strPath;
}

QStringList GetDragFiles(const QMimeData* pMimeData)
{
    QStringList listFiles;
    if (!pMimeData)
        return listFiles;
    for (const QUrl& url : pMimeData->urls()) {
        const QString strLocal = url.toLocalFile();
        if (!strLocal.isEmpty())
            listFiles << strLocal;
    }
    return listFiles;
}

QString GetEventName(QEvent::Type enumType)
{
    static const QHash<int, const char*> s_names = {
        {0, "None"}, {1, "Timer"}, {2, "MouseButtonPress"}, {3, "MouseButtonRelease"},
        {4, "MouseButtonDblClick"}, {5, "MouseMove"}, {6, "KeyPress"}, {7, "KeyRelease"},
        {8, "FocusIn"}, {9, "FocusOut"}, {10, "Enter"}, {11, "Leave"}, {12, "Paint"},
        {13, "Move"}, {14, "Resize"}, {17, "Show"}, {18, "Hide"}, {19, "Close"},
        {24, "WindowActivate"}, {25, "WindowDeactivate"}, {27, "HideToParent"}, {31, "Wheel"},
        {60, "DragEnter"}, {61, "DragMove"}, {62, "DragLeave"}, {63, "Drop"},
        {64, "DragResponse"}, {68, "ChildAdded"}, {69, "ChildPolished"}, {77, "UpdateRequest"},
        {127, "HoverEnter"}, {128, "HoverLeave"}, {129, "HoverMove"}};
    const char* szName = s_names.value(static_cast<int>(enumType), nullptr);
    return szName ? QString::fromLatin1(szName) : QString::number(static_cast<int>(enumType));
}

QPixmap QStringCovertPixmap(const QString& strPath)
{
    QPixmap pixmap;
    if (QPixmapCache::find(strPath, &pixmap))
        return pixmap;
    pixmap = QPixmap::fromImage(QImage(strPath), Qt::OrderedDither | Qt::OrderedAlphaDither);
    if (!pixmap.isNull())
        QPixmapCache::insert(strPath, pixmap);
    return pixmap;
}

QRegion RoundedRect(const QRect& rect, int iRadius)
{
    return RoundedRegion(rect, iRadius, rect.adjusted(iRadius, 0, -iRadius, 0),
                         rect.adjusted(0, iRadius, 0, -iRadius),
                         {Qt::TopLeftCorner, Qt::TopRightCorner, Qt::BottomLeftCorner, Qt::BottomRightCorner});
}

QRegion RoundedLeftRect(const QRect& rect, int iRadius)
{
    return RoundedRegion(rect, iRadius, rect.adjusted(iRadius, 0, 0, 0),
                         rect.adjusted(0, iRadius, 0, -iRadius),
                         {Qt::TopLeftCorner, Qt::BottomLeftCorner});
}

QRegion RoundedRightRect(const QRect& rect, int iRadius)
{
    return RoundedRegion(rect, iRadius, rect.adjusted(0, 0, -iRadius, 0),
                         rect.adjusted(0, iRadius, 0, -iRadius),
                         {Qt::TopRightCorner, Qt::BottomRightCorner});
}

QRegion RoundedTopRect(const QRect& rect, int iRadius)
{
    return RoundedRegion(rect, iRadius, rect.adjusted(0, iRadius, 0, 0),
                         rect.adjusted(iRadius, 0, -iRadius, 0),
                         {Qt::TopLeftCorner, Qt::TopRightCorner});
}

QPoint GetAvailablePoint(QPoint point)
{
    const QList<QScreen*> listScreens = QGuiApplication::screens();
    if (listScreens.isEmpty())
        return point;
    for (const QScreen* pScreen : listScreens) {
        if (pScreen->availableGeometry().contains(point))
            return point;
    }
    const QRect available = ScreenNearest(point)->availableGeometry();
    return QPoint(qMin(qMax(point.x(), available.x()), available.right()),
                  qMin(qMax(point.y(), available.y()), available.bottom()));
}

QRect GetAvailableGeometry(const QRect& rect, const QWidget* pWidget)
{
    QRect result(GetAvailablePoint(rect.topLeft()), rect.size());
    const QRect screen = ScreenGeometryOf(pWidget);
    if (result.x() + result.width() > screen.right())
        result.setLeft(screen.right() - rect.width());
    if (result.y() + result.height() > screen.bottom())
        result.setTop(screen.bottom() - rect.height());
    return result;
}

QRect GetBorderAvailableGeometry(const QRect& rectAnchor, const QWidget* pPopup)
{
    if (!pPopup) {
        qCWarning(lcOrvaGUIToolkit, "GetBorderAvailableGeometry: pPopup == NULL");
        return QRect();
    }
    if (pPopup->layout())
        pPopup->layout()->activate();
    const QSize size = pPopup->rect().size();
    const QScreen* pScreen = QGuiApplication::screenAt(rectAnchor.center());
    if (!pScreen)
        pScreen = ScreenNearest(rectAnchor.center());
    const QRect screen = pScreen ? pScreen->geometry() : QRect();

    int iTop = rectAnchor.bottom();
    if (rectAnchor.bottom() + size.height() > screen.bottom()
        && rectAnchor.top() - size.height() >= screen.top())
        iTop = rectAnchor.top() - size.height();

    QRect result(qMax(screen.x(), rectAnchor.x()), iTop, size.width(), size.height());
    if (result.x() + size.width() > screen.right())
        result.setLeft(screen.right() - size.width());
    return result;
}

void MoveToScreenCenter(QWidget* pWidget)
{
    if (!pWidget)
        return;
    const QRect screen = ScreenGeometryOf(pWidget);
    pWidget->move((screen.width() - pWidget->width()) / 2, (screen.height() - pWidget->height()) / 2);
}

QWidget* GetIndependentWindow(QWidget* pWidget, const char* szExcludedClass)
{
    for (QWidget* pCurrent = pWidget; pCurrent; pCurrent = pCurrent->parentWidget()) {
        if (pCurrent->isWindow() && (!szExcludedClass || !pCurrent->inherits(szExcludedClass)))
            return pCurrent;
    }
    return nullptr;
}

QWidget* GetParentWindow(QObject* pObject)
{
    for (QObject* pCurrent = pObject; pCurrent; pCurrent = pCurrent->parent()) {
        QWidget* pWidget = qobject_cast<QWidget*>(pCurrent);
        if (pWidget && (pWidget->windowFlags() & Qt::Popup) != Qt::Popup)
            return pWidget;
    }
    return nullptr;
}

bool ParseIp4(const QString& strIp)
{
    const QStringList listParts = strIp.split(QLatin1Char('.'));
    if (listParts.size() != 4)
        return false;
    for (const QString& strPart : listParts) {
        bool bOk = false;
        const uint uValue = strPart.toUInt(&bOk, 10);
        if (!bOk || uValue >= 256)
            return false;
    }
    return true;
}

bool IsAvailableIpv4(const QString& strIp)
{
    if (!ParseIp4(strIp))
        return false;
    const uint uFirst = strIp.section(QLatin1Char('.'), 0, 0).toUInt();
    return uFirst >= 1 && uFirst <= 223;
}

bool IsNetMask(const QString& strMask)
{
    static const QRegularExpression s_mask(QRegularExpression::anchoredPattern(QStringLiteral(
        "(254|252|248|240|224|192|128|0)\\.0\\.0\\.0|"
        "255\\.(254|252|248|240|224|192|128|0)\\.0\\.0|"
        "255\\.255\\.(254|252|248|240|224|192|128|0)\\.0|"
        "255\\.255\\.255\\.(252|248|240|224|192|128|0)")));
    return s_mask.match(strMask).hasMatch();
}

bool ParseIpv6(const QString& strIp)
{
    QString strText = strIp;
    const int iZone = strText.lastIndexOf(QLatin1Char('%'));
    if (iZone >= 0)
        strText.truncate(iZone);

    const QStringList listParts = strText.split(QLatin1Char(':'));
    const int n = listParts.size();
    if (n < 3 || n > 8)
        return false;

    int iDoubleColons = 0;
    for (int i = 0; i + 1 < strText.size(); ++i) {
        if (strText.at(i) == QLatin1Char(':') && strText.at(i + 1) == QLatin1Char(':'))
            ++iDoubleColons;
    }
    if (n == 8 && iDoubleColons > 1)
        return false;
    // Without a "::" every group must be written; a dotted IPv4 tail stands for two.
    if (iDoubleColons != 1 && n < (strText.contains(QLatin1Char('.')) ? 7 : 8))
        return false;

    for (int i = n - 1; i >= 0; --i) {
        const QString& strPart = listParts.at(i);
        if (strPart.isEmpty()) {
            if (i == n - 1 && !listParts.at(i - 1).isEmpty())
                return false;
            if (i == 0 && !listParts.at(1).isEmpty())
                return false;
            continue;
        }
        bool bOk = false;
        const uint uGroup = strPart.toUInt(&bOk, 16);
        if (bOk && uGroup <= 0xFFFF)
            continue;
        if (i != n - 1 || !ParseIp4(strPart))
            return false;
    }
    return true;
}

bool ParseIpv4Multicast(const QString& strIp)
{
    static const QRegularExpression s_pattern(
        QStringLiteral("\\A(\\d+)(\\.)(\\d+)(\\.)(\\d+)(\\.)(\\d+)"));
    const QRegularExpressionMatch match = s_pattern.match(strIp);
    if (!match.hasMatch())
        return false;
    for (int iGroup = 1; iGroup <= 7; iGroup += 2) {
        bool bOk = false;
        if (match.captured(iGroup).toUInt(&bOk) > 255 || !bOk)
            return false;
    }
    const uint uFirst = match.captured(1).toUInt();
    return uFirst >= 224 && uFirst <= 239;
}

bool ParseIpv6Multicast(const QString& strIp)
{
    return ParseIpv6(strIp);
}

bool IsMulticast(const QString& strIp)
{
    return ParseIpv6(strIp) || ParseIpv4Multicast(strIp);
}

bool ParseMacAddress(const QString& strMac)
{
    static const QRegularExpression s_mac(QRegularExpression::anchoredPattern(QStringLiteral(
        "[0-9A-Fa-f]{2}:[0-9A-Fa-f]{2}:[0-9A-Fa-f]{2}:[0-9A-Fa-f]{2}:[0-9A-Fa-f]{2}:[0-9A-Fa-f]{2}")));
    return s_mac.match(strMac).hasMatch();
}

bool IsInputValid(const QString& strText)
{
    return ForbiddenCharactersRegExp(true).indexIn(strText) == -1;
}

bool IsInputValidV2(const QString& strText)
{
    return ForbiddenCharactersRegExp(false).indexIn(strText) == -1;
}

bool ParseMonthValid(int iMonth, int iDay)
{
    if (iMonth == 2 && (iDay == 30 || iDay == 31))
        return false;
    return !((iMonth == 4 || iMonth == 6 || iMonth == 9 || iMonth == 11) && iDay == 31);
}

QString IPToFullString(const QString& strIp)
{
    if (!ParseIp4(strIp))
        return QString();
    QStringList listParts;
    for (const QString& strPart : strIp.split(QLatin1Char('.')))
        listParts << QStringLiteral("%1").arg(strPart.toUInt(), 3, 10, QLatin1Char('0'));
    return listParts.join(QLatin1Char('.'));
}

QString FullStringToIP(const QString& strText)
{
    QStringList listParts = strText.split(QLatin1Char('.'));
    if (listParts.size() != 4)
        return strText;
    for (QString& strPart : listParts) {
        int iFirst = 0;
        while (iFirst < strPart.size() && strPart.at(iFirst) == QLatin1Char('0'))
            ++iFirst;
        strPart = iFirst == strPart.size() && !strPart.isEmpty() ? QStringLiteral("0") : strPart.mid(iFirst);
    }
    return listParts.join(QLatin1Char('.'));
}

QString ParseUrl(const QString& strUrl)
{
    QString strEscaped = strUrl;
    strEscaped.replace(QLatin1Char('"'), QLatin1String("&quot;"));
    return QStringLiteral("&quot;%1&quot;").arg(strEscaped);
}

bool SortIndexByRow(const QModelIndex& miLeft, const QModelIndex& miRight)
{
    return miLeft.row() < miRight.row();
}

int GetCheckCount(QAbstractItemModel* pModel, const QModelIndex& miParent, int iRole, const QVariant& value)
{
    if (!pModel)
        return 0;
    int iCount = 0;
    const int iRows = pModel->rowCount(miParent);
    for (int iRow = 0; iRow < iRows; ++iRow) {
        const QModelIndex miItem = pModel->index(iRow, 0, miParent);
        // Checked and partially checked items count; unchecked branches are skipped whole.
        if (!miItem.data(Qt::CheckStateRole).toBool())
            continue;
        if (iRole == -1) {
            if (!value.isValid())
                ++iCount;
        } else {
            const QVariant data = miItem.data(iRole);
            if (data.isValid() && data == value)
                ++iCount;
        }
        if (pModel->hasChildren(miItem))
            iCount += GetCheckCount(pModel, miItem, iRole, value);
    }
    return iCount;
}

void CopyModelData(QStandardItemModel* pSrc, const QModelIndex& miSrcParent,
                   QStandardItemModel* pDst, const QModelIndex& miDstParent, unsigned uInsertRow)
{
    if (!pSrc || !pDst) {
        qCWarning(lcOrvaGUIToolkit, "CopyModelData: pSrc == NULL || pDst == NULL");
        return;
    }
    const unsigned uAppend = static_cast<unsigned>(-1);
    const int iRows = pSrc->rowCount(miSrcParent);
    const int iColumns = pSrc->columnCount(miSrcParent);
    for (int iRow = 0; iRow < iRows; ++iRow) {
        QList<QStandardItem*> listRow;
        for (int iColumn = 0; iColumn < iColumns; ++iColumn) {
            const QStandardItem* pItem = pSrc->itemFromIndex(pSrc->index(iRow, iColumn, miSrcParent));
            if (pItem)
                listRow << pItem->clone();
        }
        if (listRow.isEmpty())
            continue;

        int iTarget = pDst->rowCount(miDstParent);
        if (uInsertRow != uAppend) {
            iTarget = static_cast<int>(qMin<quint64>(uInsertRow, static_cast<quint64>(iTarget)));
            ++uInsertRow;
        }
        if (QStandardItem* pParent = pDst->itemFromIndex(miDstParent))
            pParent->insertRow(iTarget, listRow);
        else
            pDst->insertRow(iTarget, listRow);

        CopyModelData(pSrc, pSrc->index(iRow, 0, miSrcParent), pDst,
                      pDst->index(iTarget, 0, miDstParent), uAppend);
    }
}

void qWait(int iMs)
{
    QElapsedTimer timer;
    timer.start();
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, iMs);
        qSleep(10);
    } while (timer.elapsed() < iMs);
}

void qSleep(int iMs)
{
    if (iMs > 0)
        QThread::msleep(static_cast<unsigned long>(iMs));
}

void CheckGUIThread(QObject*)
{
}

QString GetFileSize(quint64 uBytes, const QString& strUnit, int iPrecision)
{
    struct Unit { const char* szName; double dDivisor; };
    static const Unit s_units[] = {
        {"TB", 1099511627776.0}, {"GB", 1073741824.0}, {"MB", 1048576.0}, {"KB", 1024.0}};

    // A non-zero size never shows as zero; a zero size does.
    const double dFloor = qMin(std::pow(10.0, -iPrecision), static_cast<double>(uBytes));
    const auto formatIn = [&](const Unit& unit) {
        return FormatSize(qMax(dFloor, static_cast<double>(uBytes) / unit.dDivisor), unit.szName, iPrecision);
    };
    const QString strBytes = QStringLiteral("%1 bytes").arg(QLocale().toString(uBytes));

    if (strUnit == QLatin1String("bytes"))
        return strBytes;
    for (const Unit& unit : s_units) {
        if (strUnit == QLatin1String(unit.szName))
            return formatIn(unit);
    }
    for (const Unit& unit : s_units) {
        if (static_cast<double>(uBytes) >= unit.dDivisor)
            return formatIn(unit);
    }
    return strBytes;
}

int GetLocalUtcOffset()
{
    // Both clocks' wall-clock readings, to the whole second, are read back as
    // local times, so the difference is the local offset that applies now,
    // daylight saving included. (Building the date-times from their fields
    // gives what writing them out as text and parsing them back would, at a
    // fraction of the cost: the timelines ask for this on every repaint.)
    const QDateTime now = QDateTime::currentDateTime();
    const QDateTime utcNow = now.toUTC();
    const auto wholeSeconds = [](const QTime& time) { return QTime(time.hour(), time.minute(), time.second()); };
    const QDateTime local(now.date(), wholeSeconds(now.time()), Qt::LocalTime);
    const QDateTime utc(utcNow.date(), wholeSeconds(utcNow.time()), Qt::LocalTime);
    if (!local.isValid() || !utc.isValid())
        return now.offsetFromUtc();
    return static_cast<int>(utc.secsTo(local));
}

} // namespace OrvaGUIToolkit

namespace OrvaGUIToolkit {

bool IsSelfOrAncestor(const QWidget* pWidget, const QWidget* pDescendant)
{
    if (!pWidget)
        return false;
    for (const QWidget* pLevel = pDescendant; pLevel; pLevel = pLevel->parentWidget()) {
        if (pLevel == pWidget)
            return true;
    }
    return false;
}

} // namespace OrvaGUIToolkit
