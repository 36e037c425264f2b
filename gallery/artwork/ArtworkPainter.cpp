#include "ArtworkPainter.h"

#include <QtGui/QLinearGradient>
#include <QtGui/QPainter>
#include <QtGui/QPainterPath>

namespace {

const QColor s_colorGlyph(0xd6, 0xdd, 0xe6);
const QColor s_colorAccent(0x3b, 0x8e, 0xea);
const QColor s_colorAlert(0xe0, 0x4f, 0x4f);

// All glyphs are drawn on a 24-unit grid and scaled to the picture's size.
void ScaleToGrid(QPainter& painter, const QSize& size)
{
    painter.scale(size.width() / 24.0, size.height() / 24.0);
}

QPen GlyphPen(const QColor& color, double dWidth = 2.0)
{
    return QPen(color, dWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void DrawCamera(QPainter& painter, const QSize& size)
{
    ScaleToGrid(painter, size);
    painter.setPen(GlyphPen(s_colorGlyph));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(2, 7, 14, 10), 2, 2);
    QPolygonF lens;
    lens << QPointF(16, 10.5) << QPointF(22, 7) << QPointF(22, 17) << QPointF(16, 13.5);
    painter.drawPolygon(lens);
    painter.setBrush(s_colorAccent);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(6, 10.5), 1.5, 1.5);
}

void DrawPlay(QPainter& painter, const QSize& size)
{
    ScaleToGrid(painter, size);
    painter.setPen(GlyphPen(s_colorGlyph));
    painter.drawEllipse(QRectF(2, 2, 20, 20));
    QPolygonF triangle;
    triangle << QPointF(9.5, 7) << QPointF(17, 12) << QPointF(9.5, 17);
    painter.setBrush(s_colorAccent);
    painter.setPen(GlyphPen(s_colorAccent, 1.0));
    painter.drawPolygon(triangle);
}

void DrawSnapshot(QPainter& painter, const QSize& size)
{
    ScaleToGrid(painter, size);
    painter.setPen(GlyphPen(s_colorGlyph));
    QPainterPath body;
    body.moveTo(2, 8);
    body.lineTo(7, 8);
    body.lineTo(9, 5);
    body.lineTo(15, 5);
    body.lineTo(17, 8);
    body.lineTo(22, 8);
    body.lineTo(22, 20);
    body.lineTo(2, 20);
    body.closeSubpath();
    painter.drawPath(body);
    painter.setPen(GlyphPen(s_colorAccent));
    painter.drawEllipse(QPointF(12, 13.5), 3.8, 3.8);
}

void DrawRecord(QPainter& painter, const QSize& size)
{
    ScaleToGrid(painter, size);
    painter.setPen(GlyphPen(s_colorGlyph));
    painter.drawEllipse(QRectF(2, 2, 20, 20));
    painter.setPen(Qt::NoPen);
    painter.setBrush(s_colorAlert);
    painter.drawEllipse(QPointF(12, 12), 5.5, 5.5);
}

void DrawBell(QPainter& painter, const QSize& size)
{
    ScaleToGrid(painter, size);
    painter.setPen(GlyphPen(s_colorGlyph));
    QPainterPath bell;
    bell.moveTo(5, 17);
    bell.cubicTo(7, 15, 6, 12, 6.5, 9);
    bell.cubicTo(7.5, 4, 16.5, 4, 17.5, 9);
    bell.cubicTo(18, 12, 17, 15, 19, 17);
    bell.closeSubpath();
    painter.drawPath(bell);
    painter.setPen(GlyphPen(s_colorAlert));
    painter.drawLine(QPointF(10, 20.5), QPointF(14, 20.5));
}

void DrawExport(QPainter& painter, const QSize& size)
{
    ScaleToGrid(painter, size);
    painter.setPen(GlyphPen(s_colorGlyph));
    QPolygonF tray;
    tray << QPointF(3, 13) << QPointF(3, 21) << QPointF(21, 21) << QPointF(21, 13);
    painter.drawPolyline(tray);
    painter.setPen(GlyphPen(s_colorAccent));
    painter.drawLine(QPointF(12, 3), QPointF(12, 16));
    painter.drawLine(QPointF(7, 8), QPointF(12, 3));
    painter.drawLine(QPointF(17, 8), QPointF(12, 3));
}

void DrawSearch(QPainter& painter, const QSize& size)
{
    ScaleToGrid(painter, size);
    painter.setPen(GlyphPen(s_colorGlyph));
    painter.drawEllipse(QPointF(10, 10), 6.5, 6.5);
    painter.setPen(GlyphPen(s_colorAccent, 2.6));
    painter.drawLine(QPointF(15, 15), QPointF(21, 21));
}

void DrawCalendar(QPainter& painter, const QSize& size)
{
    ScaleToGrid(painter, size);
    painter.setPen(GlyphPen(s_colorGlyph, 2.2));
    painter.drawRoundedRect(QRectF(3, 5, 18, 16), 2, 2);
    painter.drawLine(QPointF(8, 2.5), QPointF(8, 7));
    painter.drawLine(QPointF(16, 2.5), QPointF(16, 7));
    painter.fillRect(QRectF(4, 9, 16, 2.2), s_colorGlyph);
    painter.fillRect(QRectF(13, 14, 4, 4), s_colorAccent);
}

void DrawClear(QPainter& painter, const QSize& size)
{
    ScaleToGrid(painter, size);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x8a, 0x95, 0xa3));
    painter.drawEllipse(QRectF(4, 4, 16, 16));
    painter.setPen(GlyphPen(QColor(0x1b, 0x1f, 0x24), 2.2));
    painter.drawLine(QPointF(9, 9), QPointF(15, 15));
    painter.drawLine(QPointF(15, 9), QPointF(9, 15));
}

void DrawChevron(QPainter& painter, const QSize& size, bool bForward)
{
    ScaleToGrid(painter, size);
    painter.setPen(GlyphPen(s_colorGlyph, 2.6));
    const double dTip = bForward ? 16 : 8;
    const double dBase = bForward ? 9 : 15;
    painter.drawLine(QPointF(dBase, 5), QPointF(dTip, 12));
    painter.drawLine(QPointF(dTip, 12), QPointF(dBase, 19));
}

void DrawMagnifier(QPainter& painter, const QSize& size, bool bPlus)
{
    ScaleToGrid(painter, size);
    painter.setPen(GlyphPen(s_colorGlyph, 2.4));
    painter.drawEllipse(QPointF(10, 10), 7, 7);
    painter.drawLine(QPointF(15.5, 15.5), QPointF(21, 21));
    painter.setPen(GlyphPen(s_colorAccent, 2.4));
    painter.drawLine(QPointF(6.5, 10), QPointF(13.5, 10));
    if (bPlus)
        painter.drawLine(QPointF(10, 6.5), QPointF(10, 13.5));
}

// A flag on a short pole: the tag marker of the timelines.
void DrawTag(QPainter& painter, const QSize& size)
{
    painter.scale(size.width() / 12.0, size.height() / 14.0);
    painter.setPen(QPen(s_colorGlyph, 1.4));
    painter.drawLine(QPointF(2, 1), QPointF(2, 13.5));
    QPolygonF flag;
    flag << QPointF(2.5, 1) << QPointF(11.5, 3.5) << QPointF(2.5, 7);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xf5, 0xc5, 0x42));
    painter.drawPolygon(flag);
}

void DrawButtonFace(QPainter& painter, const QSize& size)
{
    QLinearGradient gradient(0, 0, 0, size.height());
    gradient.setColorAt(0, QColor(0xf4, 0xf6, 0xf8));
    gradient.setColorAt(1, QColor(0xcf, 0xd6, 0xde));
    painter.setPen(QPen(QColor(0x9a, 0xa4, 0xb0), 1));
    painter.setBrush(gradient);
    painter.drawRoundedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), 3, 3);
}

} // namespace

std::vector<ArtworkEntry> AllArtwork()
{
    const QString strIcons = QStringLiteral("Icon/Images/Public/Icon/");
    const QSize icon(24, 24);
    return {
        {strIcons + QStringLiteral("LiveView.png"), icon, DrawCamera},
        {strIcons + QStringLiteral("Playback.png"), icon, DrawPlay},
        {strIcons + QStringLiteral("Snapshot.png"), icon, DrawSnapshot},
        {strIcons + QStringLiteral("Record.png"), icon, DrawRecord},
        {strIcons + QStringLiteral("Alarm.png"), icon, DrawBell},
        {strIcons + QStringLiteral("Export.png"), icon, DrawExport},
        {strIcons + QStringLiteral("Search.png"), icon, DrawSearch},
        {QStringLiteral("Timeslider/Images/Public/Component/Timeslider/Calendar.png"), QSize(14, 14), DrawCalendar},
        {QStringLiteral("Timeslider/Images/Public/Component/Timeslider/ZoomIn.png"), QSize(16, 16),
         [](QPainter& painter, const QSize& size) { DrawMagnifier(painter, size, true); }},
        {QStringLiteral("Timeslider/Images/Public/Component/Timeslider/ZoomOut.png"), QSize(16, 16),
         [](QPainter& painter, const QSize& size) { DrawMagnifier(painter, size, false); }},
        {QStringLiteral("Timeslider/Images/Public/Component/Timeslider/Tag.png"), QSize(12, 14), DrawTag},
        {QStringLiteral("LineEdit/Images/Public/Control/LineEdit/EditClear.png"), QSize(16, 16), DrawClear},
        {QStringLiteral("Toolbar/Images/Public/Control/Toolbar/Backward.png"), QSize(16, 16),
         [](QPainter& painter, const QSize& size) { DrawChevron(painter, size, false); }},
        {QStringLiteral("Toolbar/Images/Public/Control/Toolbar/Forward.png"), QSize(16, 16),
         [](QPainter& painter, const QSize& size) { DrawChevron(painter, size, true); }},
        {QStringLiteral("Button/Images/Public/Control/Button/ButtonNormal.png"), QSize(32, 20), DrawButtonFace},
    };
}
