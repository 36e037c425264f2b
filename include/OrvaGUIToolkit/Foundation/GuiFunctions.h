#ifndef ORVAGUITOOLKIT_FOUNDATION_GUIFUNCTIONS_H
#define ORVAGUITOOLKIT_FOUNDATION_GUIFUNCTIONS_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtCore/QEvent>
#include <QtCore/QLocale>
#include <QtCore/QModelIndex>
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtCore/QVariant>
#include <QtGui/QPixmap>
#include <QtGui/QRegion>

#include <string>

QT_BEGIN_NAMESPACE
class QAbstractItemModel;
class QMimeData;
class QStandardItemModel;
class QTextCodec;
class QWidget;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {

// Process-wide text codec and locale. Both are initialised when the library is
// loaded (the locale's codec and the system locale); the client may replace them.
ORVAGUITOOLKIT_EXPORT void InitGuiTextCodec(QTextCodec* pCodec);
ORVAGUITOOLKIT_EXPORT QTextCodec* GetGuiTextCodec();
ORVAGUITOOLKIT_EXPORT void InitGuiLocale(const QLocale& locale);
ORVAGUITOOLKIT_EXPORT QLocale GetGuiLocale();

// A null codec means the process-wide codec.
ORVAGUITOOLKIT_EXPORT QString ConvertToUnicode(const char* szText, QTextCodec* pCodec = nullptr);
ORVAGUITOOLKIT_EXPORT QByteArray ConvertFromUnicode(const QString& strText, QTextCodec* pCodec = nullptr);
// UTF-8 to the narrow encoding of the current C locale; empty on any failure.
ORVAGUITOOLKIT_EXPORT std::string ConvertUtf8ToAnsi(const char* szUtf8);

ORVAGUITOOLKIT_EXPORT QString GetTargetPath();
ORVAGUITOOLKIT_EXPORT QString GetTargetPathFile(const QString& strFile);
ORVAGUITOOLKIT_EXPORT QString GetResources();
ORVAGUITOOLKIT_EXPORT QString ParsePathName(const QString& strPath);
ORVAGUITOOLKIT_EXPORT QStringList GetDragFiles(const QMimeData* pMimeData);
ORVAGUITOOLKIT_EXPORT QString GetEventName(QEvent::Type enumType);

// Pixmaps and window masks. A rounded corner is the ellipse of twice the
// radius on that corner, even where it reaches past the rectangle; the radius
// is taken between 0 and 8191.
ORVAGUITOOLKIT_EXPORT QPixmap QStringCovertPixmap(const QString& strPath);
ORVAGUITOOLKIT_EXPORT QRegion RoundedRect(const QRect& rect, int iRadius);
ORVAGUITOOLKIT_EXPORT QRegion RoundedLeftRect(const QRect& rect, int iRadius);
ORVAGUITOOLKIT_EXPORT QRegion RoundedRightRect(const QRect& rect, int iRadius);
ORVAGUITOOLKIT_EXPORT QRegion RoundedTopRect(const QRect& rect, int iRadius);

// Placement of pop-ups and windows on the available screen area.
ORVAGUITOOLKIT_EXPORT QPoint GetAvailablePoint(QPoint point);
ORVAGUITOOLKIT_EXPORT QRect GetAvailableGeometry(const QRect& rect, const QWidget* pWidget);
ORVAGUITOOLKIT_EXPORT QRect GetBorderAvailableGeometry(const QRect& rectAnchor, const QWidget* pPopup);
ORVAGUITOOLKIT_EXPORT void MoveToScreenCenter(QWidget* pWidget);
ORVAGUITOOLKIT_EXPORT QWidget* GetIndependentWindow(QWidget* pWidget, const char* szExcludedClass = nullptr);
ORVAGUITOOLKIT_EXPORT QWidget* GetParentWindow(QObject* pObject);

// Validation and reformatting of addresses and user-typed names.
ORVAGUITOOLKIT_EXPORT bool ParseIp4(const QString& strIp);
ORVAGUITOOLKIT_EXPORT bool IsAvailableIpv4(const QString& strIp);
ORVAGUITOOLKIT_EXPORT bool IsNetMask(const QString& strMask);
ORVAGUITOOLKIT_EXPORT bool ParseIpv6(const QString& strIp);
ORVAGUITOOLKIT_EXPORT bool ParseIpv4Multicast(const QString& strIp);
ORVAGUITOOLKIT_EXPORT bool ParseIpv6Multicast(const QString& strIp);
ORVAGUITOOLKIT_EXPORT bool IsMulticast(const QString& strIp);
ORVAGUITOOLKIT_EXPORT bool ParseMacAddress(const QString& strMac);
ORVAGUITOOLKIT_EXPORT bool IsInputValid(const QString& strText);
ORVAGUITOOLKIT_EXPORT bool IsInputValidV2(const QString& strText);
ORVAGUITOOLKIT_EXPORT bool ParseMonthValid(int iMonth, int iDay);
ORVAGUITOOLKIT_EXPORT QString IPToFullString(const QString& strIp);
ORVAGUITOOLKIT_EXPORT QString FullStringToIP(const QString& strText);
ORVAGUITOOLKIT_EXPORT QString ParseUrl(const QString& strUrl);

// Item-model helpers.
ORVAGUITOOLKIT_EXPORT bool SortIndexByRow(const QModelIndex& miLeft, const QModelIndex& miRight);
ORVAGUITOOLKIT_EXPORT int GetCheckCount(QAbstractItemModel* pModel, const QModelIndex& miParent,
                                        int iRole = -1, const QVariant& value = QVariant());
ORVAGUITOOLKIT_EXPORT void CopyModelData(QStandardItemModel* pSrc, const QModelIndex& miSrcParent,
                                         QStandardItemModel* pDst, const QModelIndex& miDstParent,
                                         unsigned uInsertRow = static_cast<unsigned>(-1));

// Time and threads.
ORVAGUITOOLKIT_EXPORT void qWait(int iMs);
ORVAGUITOOLKIT_EXPORT void qSleep(int iMs);
ORVAGUITOOLKIT_EXPORT void CheckGUIThread(QObject* pObject);
// The size in the given unit ("TB", "GB", "MB", "KB" or "bytes"; any other
// text picks the largest unit that the size reaches) with iPrecision decimals,
// kept between 0 and 17.
ORVAGUITOOLKIT_EXPORT QString GetFileSize(quint64 uBytes, const QString& strUnit = QString(), int iPrecision = 2);

} // namespace OrvaGUIToolkit

#endif
