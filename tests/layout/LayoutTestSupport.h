#ifndef ORVA_TESTS_LAYOUTTESTSUPPORT_H
#define ORVA_TESTS_LAYOUTTESTSUPPORT_H

#include <QtTest/QtTest>
#include <QtWidgets/QtWidgets>

namespace LayoutTest {

// One item element as the layout configuration writes it.
inline QString Item(const QString& strType, int iId, int iRow, int iColumn, int iRowSpan = 1, int iColumnSpan = 1)
{
    return QStringLiteral("<Item type=\"%1\" id=\"%2\" row=\"%3\" column=\"%4\" rowSpan=\"%5\" columnSpan=\"%6\"/>")
        .arg(strType)
        .arg(iId)
        .arg(iRow)
        .arg(iColumn)
        .arg(iRowSpan)
        .arg(iColumnSpan);
}

inline QString Config(int iType, int iWndCount, const QString& strItems, const QString& strRowStretch = QString(),
                      const QString& strColumnStretch = QString(), const QString& strName = QStringLiteral("Layout"))
{
    return QStringLiteral("<ElementConfig><Name>%1</Name><Type>%2</Type><WndSize>%3</WndSize>"
                          "<RowStretch>%4</RowStretch><ColumnStretch>%5</ColumnStretch>"
                          "<ElementItems>%6</ElementItems></ElementConfig>")
        .arg(strName)
        .arg(iType)
        .arg(iWndCount)
        .arg(strRowStretch, strColumnStretch, strItems);
}

// A square grid of video windows, ids row by row.
inline QString Grid(int iType, int iSide)
{
    QString strItems;
    QStringList listStretch;
    for (int i = 0; i < iSide * iSide; ++i)
        strItems += Item(QStringLiteral("QWidget"), i, i / iSide, i % iSide);
    for (int i = 0; i < iSide; ++i)
        listStretch << QStringLiteral("1");
    const QString strStretch = listStretch.join(QLatin1Char(','));
    return Config(iType, iSide * iSide, strItems, strStretch, strStretch);
}

inline QString Document(const QString& strConfigs)
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<LayoutConfig>%1</LayoutConfig>\n")
        .arg(strConfigs);
}

inline bool WriteFile(const QString& strPath, const QByteArray& byteContent)
{
    QFile file(strPath);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(byteContent) == byteContent.size();
}

} // namespace LayoutTest

#endif
