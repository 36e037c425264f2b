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

// A magnifier with a small drop-down caret: a search field's scope menu.
void DrawSearchMenu(QPainter& painter, const QSize& size)
{
    ScaleToGrid(painter, size);
    painter.setPen(GlyphPen(s_colorGlyph, 2.4));
    painter.drawEllipse(QPointF(9, 9), 5.5, 5.5);
    painter.drawLine(QPointF(13, 13), QPointF(17, 17));
    QPolygonF caret;
    caret << QPointF(16, 18.5) << QPointF(23, 18.5) << QPointF(19.5, 22.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(s_colorAccent);
    painter.drawPolygon(caret);
}

// A return arrow: run the search typed in a field.
void DrawGo(QPainter& painter, const QSize& size)
{
    ScaleToGrid(painter, size);
    painter.setPen(GlyphPen(s_colorAccent, 2.6));
    QPainterPath arrow;
    arrow.moveTo(19, 4);
    arrow.lineTo(19, 14);
    arrow.lineTo(5, 14);
    painter.drawPath(arrow);
    painter.drawLine(QPointF(5, 14), QPointF(10, 9));
    painter.drawLine(QPointF(5, 14), QPointF(10, 19));
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

void DrawButtonFace(QPainter& painter, const QSize& size)
{
    QLinearGradient gradient(0, 0, 0, size.height());
    gradient.setColorAt(0, QColor(0xf4, 0xf6, 0xf8));
    gradient.setColorAt(1, QColor(0xcf, 0xd6, 0xde));
    painter.setPen(QPen(QColor(0x9a, 0xa4, 0xb0), 1));
    painter.setBrush(gradient);
    painter.drawRoundedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), 3, 3);
}

// Title-bar glyphs: light strokes on a 16-unit grid, scaled to the picture.
void ScaleToTitleGrid(QPainter& painter, const QSize& size)
{
    painter.scale(size.width() / 16.0, size.height() / 16.0);
}

void DrawTitleClose(QPainter& painter, const QSize& size)
{
    ScaleToTitleGrid(painter, size);
    painter.setPen(GlyphPen(s_colorGlyph, 1.6));
    painter.drawLine(QPointF(4, 4), QPointF(12, 12));
    painter.drawLine(QPointF(12, 4), QPointF(4, 12));
}

void DrawTitleMaximize(QPainter& painter, const QSize& size)
{
    ScaleToTitleGrid(painter, size);
    painter.setPen(GlyphPen(s_colorGlyph, 1.4));
    painter.drawRect(QRectF(3.5, 3.5, 9, 9));
    painter.drawLine(QPointF(3.5, 5), QPointF(12.5, 5));
}

void DrawTitleRestore(QPainter& painter, const QSize& size)
{
    ScaleToTitleGrid(painter, size);
    painter.setPen(GlyphPen(s_colorGlyph, 1.4));
    painter.drawRect(QRectF(3, 6, 7, 7));
    QPolygonF back;
    back << QPointF(6, 6) << QPointF(6, 3) << QPointF(13, 3) << QPointF(13, 10) << QPointF(10, 10);
    painter.drawPolyline(back);
}

void DrawFullScreen(QPainter& painter, const QSize& size)
{
    ScaleToTitleGrid(painter, size);
    painter.setPen(GlyphPen(s_colorGlyph, 1.5));
    const QPointF corners[4][3] = {{{2.5, 6}, {2.5, 2.5}, {6, 2.5}},
                                   {{10, 2.5}, {13.5, 2.5}, {13.5, 6}},
                                   {{13.5, 10}, {13.5, 13.5}, {10, 13.5}},
                                   {{6, 13.5}, {2.5, 13.5}, {2.5, 10}}};
    for (const auto& corner : corners)
        painter.drawPolyline(corner, 3);
}

void DrawInformation(QPainter& painter, const QSize& size)
{
    ScaleToGrid(painter, size);
    painter.setPen(Qt::NoPen);
    painter.setBrush(s_colorAccent);
    painter.drawEllipse(QRectF(1.5, 1.5, 21, 21));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(12, 7), 1.6, 1.6);
    painter.drawRoundedRect(QRectF(10.6, 10, 2.8, 8.5), 1.2, 1.2);
}

void DrawWarning(QPainter& painter, const QSize& size)
{
    ScaleToGrid(painter, size);
    QPainterPath triangle;
    triangle.moveTo(12, 2);
    triangle.lineTo(23, 21.5);
    triangle.lineTo(1, 21.5);
    triangle.closeSubpath();
    painter.setPen(QPen(QColor(0xf2, 0xb1, 0x3c), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(0xf2, 0xb1, 0x3c));
    painter.drawPath(triangle);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1b, 0x1f, 0x24));
    painter.drawRoundedRect(QRectF(10.7, 8, 2.6, 7.5), 1.1, 1.1);
    painter.drawEllipse(QPointF(12, 18.3), 1.5, 1.5);
}

// A ring of twelve dots; the bright one moves on by one dot per frame and
// leaves a fading trail behind it.
void DrawLoadingFrame(QPainter& painter, const QSize& size, int iFrame, const QColor& colorBackground,
                      const QColor& colorInk)
{
    const int iDots = 12;
    painter.fillRect(QRect(QPoint(0, 0), size), colorBackground);
    painter.translate(size.width() / 2.0, size.height() / 2.0);
    const double dRadius = qMin(size.width(), size.height()) / 2.0;
    painter.setPen(Qt::NoPen);
    for (int iDot = 0; iDot < iDots; ++iDot) {
        const int iAge = (iFrame - iDot + iDots) % iDots;
        const double dStrength = qMax(0.15, 1.0 - iAge / 7.0);
        QColor color;
        color.setRgbF(colorBackground.redF() + (colorInk.redF() - colorBackground.redF()) * dStrength,
                      colorBackground.greenF() + (colorInk.greenF() - colorBackground.greenF()) * dStrength,
                      colorBackground.blueF() + (colorInk.blueF() - colorBackground.blueF()) * dStrength);
        painter.setBrush(color);
        painter.save();
        painter.rotate(360.0 * iDot / iDots);
        painter.drawEllipse(QPointF(0, -dRadius * 0.7), dRadius * 0.13, dRadius * 0.13);
        painter.restore();
    }
}

// Timeline pictures.
void DrawGroove(QPainter& painter, const QSize& size)
{
    // Nine-part image: 2-pixel ends and 3-pixel top and bottom rims around a
    // dark channel, stretched along the single timeline.
    const QRectF rect(0.5, 0.5, size.width() - 1.0, size.height() - 1.0);
    QLinearGradient gradient(0, 0, 0, size.height());
    gradient.setColorAt(0.0, QColor(0x0d, 0x10, 0x13));
    gradient.setColorAt(0.5, QColor(0x1c, 0x22, 0x29));
    gradient.setColorAt(1.0, QColor(0x2a, 0x31, 0x3a));
    painter.setPen(QPen(QColor(0x3a, 0x43, 0x4e), 1.0));
    painter.setBrush(gradient);
    painter.drawRoundedRect(rect, 2, 2);
}

void DrawTag(QPainter& painter, const QSize& size)
{
    // A small flag on a pole: the pole marks the tagged second.
    const double dW = size.width();
    const double dH = size.height();
    const double dPole = dW / 2.0;
    painter.setPen(QPen(QColor(0xf5, 0xc5, 0x42), 1.2));
    painter.drawLine(QPointF(dPole, 1), QPointF(dPole, dH));
    QPolygonF flag;
    flag << QPointF(dPole, 1) << QPointF(dW - 0.5, 3.2) << QPointF(dPole, 5.6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xf5, 0xc5, 0x42));
    painter.drawPolygon(flag);
}

void DrawMagnifier(QPainter& painter, const QSize& size, bool bPlus)
{
    ScaleToGrid(painter, size);
    painter.setPen(GlyphPen(s_colorGlyph, 2.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(3, 3, 13, 13));
    painter.drawLine(QPointF(14.5, 14.5), QPointF(21, 21));
    painter.setPen(GlyphPen(s_colorAccent, 2.2));
    painter.drawLine(QPointF(6.5, 9.5), QPointF(12.5, 9.5));
    if (bPlus)
        painter.drawLine(QPointF(9.5, 6.5), QPointF(9.5, 12.5));
}

void DrawFilter(QPainter& painter, const QSize& size)
{
    ScaleToGrid(painter, size);
    QPolygonF funnel;
    funnel << QPointF(3, 4) << QPointF(21, 4) << QPointF(14, 12.5) << QPointF(14, 20) << QPointF(10, 18)
           << QPointF(10, 12.5);
    painter.setPen(GlyphPen(s_colorGlyph, 2.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(funnel);
}

} // namespace

// Two chevrons for a year step, one lighter behind the other.
void DrawDoubleChevron(QPainter& painter, const QSize& size, bool bForward)
{
    ScaleToGrid(painter, size);
    if (!bForward) {
        painter.translate(24, 0);
        painter.scale(-1, 1);
    }
    painter.setPen(GlyphPen(s_colorGlyph.darker(140), 2.4));
    painter.drawPolyline(QPolygonF({QPointF(6, 6), QPointF(12, 12), QPointF(6, 18)}));
    painter.setPen(GlyphPen(s_colorGlyph, 2.4));
    painter.drawPolyline(QPolygonF({QPointF(12, 6), QPointF(18, 12), QPointF(12, 18)}));
}

// The band behind the calendar's day names, in three pieces: rounded at the
// left end, plain in the middle, rounded at the right end. A thin accent
// line runs along the bottom.
void DrawWeekBand(QPainter& painter, const QSize& size, int iPiece)
{
    painter.setRenderHint(QPainter::Antialiasing);
    const double dRadius = 6.0;
    const QRectF rectBand(0, 2, size.width(), size.height() - 4);
    const QRectF rectShape = iPiece < 0 ? rectBand.adjusted(2, 0, dRadius, 0)
                           : iPiece > 0 ? rectBand.adjusted(-dRadius, 0, -2, 0)
                                        : rectBand.adjusted(-dRadius, 0, dRadius, 0);
    QPainterPath path;
    path.addRoundedRect(rectShape, dRadius, dRadius);
    QLinearGradient gradient(0, rectBand.top(), 0, rectBand.bottom());
    gradient.setColorAt(0, QColor(0x31, 0x3d, 0x4d));
    gradient.setColorAt(1, QColor(0x27, 0x31, 0x3e));
    painter.setClipRect(QRectF(QPointF(0, 0), QSizeF(size)));
    painter.fillPath(path, gradient);
    painter.setClipPath(path);
    painter.fillRect(QRectF(0, rectBand.bottom() - 2, size.width(), 2), s_colorAccent.darker(125));
}

// Module tab glyphs of the main window's strip: one per client module, drawn
// bright for the selected tab and dimmed for the others.
const QColor s_colorDimGlyph(0x7c, 0x87, 0x95);

void DrawModulePlate(QPainter& painter, const QSize& size, const QColor& color)
{
    ScaleToGrid(painter, size);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(GlyphPen(color, 1.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(2, 6, 20, 12), 2, 2);
    painter.setPen(GlyphPen(color, 1.4));
    for (double dX : {6.0, 10.0, 14.0, 18.0})
        painter.drawLine(QPointF(dX, 10), QPointF(dX, 14));
}

void DrawModuleTracking(QPainter& painter, const QSize& size, const QColor& color)
{
    ScaleToGrid(painter, size);
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen = GlyphPen(color, 1.8);
    pen.setDashPattern({1.5, 1.5});
    painter.setPen(pen);
    QPainterPath path(QPointF(4, 20));
    path.cubicTo(QPointF(4, 10), QPointF(20, 14), QPointF(18, 5));
    painter.drawPath(path);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawEllipse(QPointF(4, 20), 2.2, 2.2);
    painter.setBrush(s_colorAccent);
    painter.drawEllipse(QPointF(18, 5), 2.6, 2.6);
}

void DrawModuleSearch(QPainter& painter, const QSize& size, const QColor& color)
{
    ScaleToGrid(painter, size);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(GlyphPen(color, 2.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(10, 10), 6, 6);
    painter.drawLine(QPointF(14.5, 14.5), QPointF(21, 21));
    painter.setPen(GlyphPen(color, 1.4));
    painter.drawLine(QPointF(7, 10), QPointF(13, 10));
}

void DrawModuleAlarm(QPainter& painter, const QSize& size, const QColor& color)
{
    ScaleToGrid(painter, size);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(GlyphPen(color, 1.8));
    painter.setBrush(Qt::NoBrush);
    QPainterPath path(QPointF(5, 17));
    path.lineTo(6.5, 15);
    path.lineTo(6.5, 10);
    path.cubicTo(QPointF(6.5, 3.5), QPointF(17.5, 3.5), QPointF(17.5, 10));
    path.lineTo(17.5, 15);
    path.lineTo(19, 17);
    path.closeSubpath();
    painter.drawPath(path);
    painter.drawLine(QPointF(10, 20), QPointF(14, 20));
    painter.setPen(Qt::NoPen);
    painter.setBrush(s_colorAlert);
    painter.drawEllipse(QPointF(18, 5), 2.5, 2.5);
}

void DrawModuleHealth(QPainter& painter, const QSize& size, const QColor& color)
{
    ScaleToGrid(painter, size);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(GlyphPen(color, 1.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(2.5, 4, 19, 16), 2, 2);
    painter.setPen(GlyphPen(s_colorAccent, 1.8));
    painter.drawPolyline(QPolygonF({QPointF(5, 12), QPointF(9, 12), QPointF(11, 8), QPointF(13, 16),
                                    QPointF(15, 12), QPointF(19, 12)}));
}

void DrawModuleSystem(QPainter& painter, const QSize& size, const QColor& color)
{
    ScaleToGrid(painter, size);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(GlyphPen(color, 2.2));
    for (int i = 0; i < 8; ++i) {
        painter.save();
        painter.translate(12, 12);
        painter.rotate(i * 45.0);
        painter.drawLine(QPointF(0, -7), QPointF(0, -9.5));
        painter.restore();
    }
    painter.setPen(GlyphPen(color, 1.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(12, 12), 5.5, 5.5);
    painter.drawEllipse(QPointF(12, 12), 2, 2);
}

// Tab faces are used as brushes, so a narrow strip tiles across any width:
// the selected face is lit from above with an accent line at the bottom.
void DrawTabFace(QPainter& painter, const QSize& size, bool bSelected)
{
    QLinearGradient gradient(0, 0, 0, size.height());
    if (bSelected) {
        gradient.setColorAt(0, QColor(0x2e, 0x3a, 0x4a));
        gradient.setColorAt(1, QColor(0x24, 0x2e, 0x3b));
    } else {
        gradient.setColorAt(0, QColor(0x1f, 0x25, 0x2d));
        gradient.setColorAt(1, QColor(0x1a, 0x1f, 0x26));
    }
    painter.fillRect(QRect(QPoint(0, 0), size), gradient);
    if (bSelected)
        painter.fillRect(QRect(0, size.height() - 3, size.width(), 3), s_colorAccent);
}

void DrawTabClose(QPainter& painter, const QSize& size, bool bHover)
{
    ScaleToGrid(painter, size);
    painter.setRenderHint(QPainter::Antialiasing);
    if (bHover) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(s_colorAlert);
        painter.drawEllipse(QRectF(1, 1, 22, 22));
    }
    painter.setPen(GlyphPen(bHover ? QColor(Qt::white) : s_colorGlyph, 3.0));
    painter.drawLine(QPointF(7, 7), QPointF(17, 17));
    painter.drawLine(QPointF(17, 7), QPointF(7, 17));
}

void DrawTabLine(QPainter& painter, const QSize& size)
{
    QLinearGradient gradient(0, 0, 0, size.height());
    gradient.setColorAt(0, QColor(0x3a, 0x44, 0x52, 0));
    gradient.setColorAt(0.5, QColor(0x3a, 0x44, 0x52));
    gradient.setColorAt(1, QColor(0x3a, 0x44, 0x52, 0));
    painter.fillRect(QRect(QPoint(0, 0), size), gradient);
}

// The overflow arrow's backgrounds: at rest, under the mouse and while its menu is open.
void DrawArrowFace(QPainter& painter, const QSize& size, int iState)
{
    const QColor colors[] = {QColor(0x22, 0x29, 0x32), QColor(0x2e, 0x3a, 0x4a), QColor(0x2a, 0x5f, 0xa0)};
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colors[iState]);
    painter.drawRoundedRect(QRectF(QPointF(0, 0), QSizeF(size)).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
}

void DrawArrowGlyph(QPainter& painter, const QSize& size)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(GlyphPen(s_colorGlyph, 1.6));
    const double dMid = size.height() / 2.0;
    painter.drawPolyline(QPolygonF({QPointF(2, dMid - 4), QPointF(6, dMid), QPointF(2, dMid + 4)}));
}


// A split layout of the video area as the split selector shows it: a rows x
// columns grid whose large windows (row, column, rows, columns) are tinted.
void DrawSplit(QPainter& painter, const QSize& size, int iRows, int iColumns, const std::vector<QRect>& vecLarge)
{
    const QRectF rectArea = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(0.5, 0.5, -0.5, -0.5);
    const double dCellWidth = rectArea.width() / iColumns;
    const double dCellHeight = rectArea.height() / iRows;
    auto cellRect = [&](const QRect& rectCells) {
        return QRectF(rectArea.left() + rectCells.x() * dCellWidth, rectArea.top() + rectCells.y() * dCellHeight,
                      rectCells.width() * dCellWidth, rectCells.height() * dCellHeight);
    };
    painter.fillRect(rectArea, QColor(0x1b, 0x22, 0x2b));
    painter.setPen(QPen(s_colorGlyph, 1));
    std::vector<std::vector<bool>> vecCovered(iRows, std::vector<bool>(iColumns, false));
    for (const QRect& rectLarge : vecLarge) {
        painter.fillRect(cellRect(rectLarge), QColor(0x2a, 0x5f, 0xa0));
        painter.drawRect(cellRect(rectLarge));
        for (int iRow = rectLarge.top(); iRow <= rectLarge.bottom(); ++iRow)
            for (int iColumn = rectLarge.left(); iColumn <= rectLarge.right(); ++iColumn)
                vecCovered[iRow][iColumn] = true;
    }
    for (int iRow = 0; iRow < iRows; ++iRow)
        for (int iColumn = 0; iColumn < iColumns; ++iColumn)
            if (!vecCovered[iRow][iColumn])
                painter.drawRect(cellRect(QRect(iColumn, iRow, 1, 1)));
}


std::vector<AnimationEntry> AllAnimations()
{
    // Drawn on the wait dialog's background, since GIF has no partial transparency.
    const QColor colorBackground(0x23, 0x2a, 0x33);
    return {
        {QStringLiteral("Dialog/Images/Public/Control/Dialog/Loading.gif"), QSize(48, 48), 12, 80, colorBackground,
         s_colorAccent,
         [colorBackground](QPainter& painter, const QSize& size, int iFrame) {
             DrawLoadingFrame(painter, size, iFrame, colorBackground, s_colorAccent);
         }},
    };
}

namespace {

// A span-type button: a bar of the type's fill colour over a clock.
void DrawScheduleType(QPainter& painter, const QSize& size, const QColor& colorFill)
{
    ScaleToGrid(painter, size);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(GlyphPen(s_colorGlyph, 1.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(3, 2, 14, 14));
    painter.drawLine(QPointF(10, 5), QPointF(10, 9));
    painter.drawLine(QPointF(10, 9), QPointF(13, 11));
    painter.setPen(Qt::NoPen);
    painter.setBrush(colorFill);
    painter.drawRoundedRect(QRectF(2, 18, 20, 4), 1, 1);
}

// Remove the selected spans: a bar with a minus.
void DrawDeletePlan(QPainter& painter, const QSize& size)
{
    ScaleToGrid(painter, size);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x5d, 0x80, 0xf8));
    painter.drawRoundedRect(QRectF(2, 9, 13, 6), 1, 1);
    painter.setPen(GlyphPen(s_colorAlert, 2.4));
    painter.drawLine(QPointF(16, 12), QPointF(22, 12));
}

// Delete all: a waste bin.
void DrawBin(QPainter& painter, const QSize& size)
{
    ScaleToGrid(painter, size);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(GlyphPen(s_colorGlyph, 1.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(QPointF(4, 6), QPointF(20, 6));
    painter.drawLine(QPointF(9, 6), QPointF(10, 3));
    painter.drawLine(QPointF(10, 3), QPointF(14, 3));
    painter.drawLine(QPointF(14, 3), QPointF(15, 6));
    QPolygonF body;
    body << QPointF(6, 6) << QPointF(7.5, 21) << QPointF(16.5, 21) << QPointF(18, 6);
    painter.drawPolyline(body);
    painter.drawLine(QPointF(10, 10), QPointF(10, 17));
    painter.drawLine(QPointF(14, 10), QPointF(14, 17));
}

// Copy to: two overlapping sheets.
void DrawCopySheets(QPainter& painter, const QSize& size)
{
    ScaleToGrid(painter, size);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(GlyphPen(s_colorGlyph, 1.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(3, 3, 12, 14), 1.5, 1.5);
    painter.setBrush(QColor(0x1b, 0x1f, 0x24));
    painter.setPen(GlyphPen(s_colorAccent, 1.8));
    painter.drawRoundedRect(QRectF(9, 8, 12, 14), 1.5, 1.5);
}

// The hour scale above a day row: labels every two hours over the 576-pixel
// row that starts 9 pixels in and 26 pixels down.
void DrawHourScale(QPainter& painter, const QSize& size)
{
    painter.fillRect(QRect(QPoint(0, 0), size), QColor(0x1b, 0x1f, 0x24));
    QFont font = painter.font();
    font.setPixelSize(10);
    painter.setFont(font);
    for (int iHour = 0; iHour <= 24; ++iHour) {
        const int iX = 9 + iHour * 24;
        painter.setPen(QColor(0x4a, 0x55, 0x62));
        painter.drawLine(iX, iHour % 2 == 0 ? 19 : 22, iX, 25);
        if (iHour % 2 != 0)
            continue;
        painter.setPen(QColor(0x8d, 0x98, 0xa6));
        painter.drawText(QRect(iX - 12, 4, 24, 14), Qt::AlignCenter, QString::number(iHour));
    }
}

// The groove of a day row: hour lines on a dark track.
void DrawDayGrid(QPainter& painter, const QSize& size)
{
    painter.fillRect(QRect(QPoint(0, 0), size), QColor(0x2a, 0x30, 0x38));
    for (int iHour = 1; iHour < 24; ++iHour) {
        painter.setPen(iHour % 6 == 0 ? QColor(0x56, 0x62, 0x70) : QColor(0x3a, 0x42, 0x4d));
        painter.drawLine(iHour * 24, 0, iHour * 24, size.height());
    }
}

} // namespace

std::vector<ArtworkEntry> AllArtwork()
{
    const QString strIcons = QStringLiteral("Icon/Images/Public/Icon/");
    const QSize icon(24, 24);
    const QString strDialog = QStringLiteral("Dialog/Images/Public/Control/Dialog/");
    const QString strCalendar = QStringLiteral("Calendar/Images/Public/Control/Calendar/");
    return {
        {strIcons + QStringLiteral("LiveView.png"), icon, DrawCamera},
        {strIcons + QStringLiteral("Playback.png"), icon, DrawPlay},
        {strIcons + QStringLiteral("Snapshot.png"), icon, DrawSnapshot},
        {strIcons + QStringLiteral("Record.png"), icon, DrawRecord},
        {strIcons + QStringLiteral("Alarm.png"), icon, DrawBell},
        {strIcons + QStringLiteral("Export.png"), icon, DrawExport},
        {strIcons + QStringLiteral("Search.png"), icon, DrawSearch},
        {QStringLiteral("Timeslider/Images/Public/Component/Timeslider/Calendar.png"), QSize(14, 14), DrawCalendar},
        {QStringLiteral("LineEdit/Images/Public/Control/LineEdit/EditClear.png"), QSize(16, 16), DrawClear},
        {QStringLiteral("LineEdit/Images/Public/Control/LineEdit/SearchMenu.png"), QSize(16, 16), DrawSearchMenu},
        {QStringLiteral("LineEdit/Images/Public/Control/LineEdit/Search.png"), QSize(16, 16), DrawSearch},
        {QStringLiteral("LineEdit/Images/Public/Control/LineEdit/Go.png"), QSize(16, 16), DrawGo},
        {QStringLiteral("Toolbar/Images/Public/Control/Toolbar/Backward.png"), QSize(16, 16),
         [](QPainter& painter, const QSize& size) { DrawChevron(painter, size, false); }},
        {QStringLiteral("Toolbar/Images/Public/Control/Toolbar/Forward.png"), QSize(16, 16),
         [](QPainter& painter, const QSize& size) { DrawChevron(painter, size, true); }},
        {QStringLiteral("Button/Images/Public/Control/Button/ButtonNormal.png"), QSize(32, 20), DrawButtonFace},
        {strDialog + QStringLiteral("Close.png"), QSize(16, 16), DrawTitleClose},
        {strDialog + QStringLiteral("Maximize.png"), QSize(16, 16), DrawTitleMaximize},
        {strDialog + QStringLiteral("Restore.png"), QSize(16, 16), DrawTitleRestore},
        {strDialog + QStringLiteral("FullScreen.png"), QSize(16, 16), DrawFullScreen},
        {strDialog + QStringLiteral("Information.png"), QSize(32, 32), DrawInformation},
        {strDialog + QStringLiteral("Warning.png"), QSize(32, 32), DrawWarning},
        {QStringLiteral("Timeslider/Images/Public/Component/Timeslider/Groove.png"), QSize(16, 11), DrawGroove},
        {QStringLiteral("Timeslider/Images/Public/Component/Timeslider/Tag.png"), QSize(9, 14), DrawTag},
        {QStringLiteral("Timeslider/Images/Public/Component/Timeslider/ZoomIn.png"), QSize(16, 16),
         [](QPainter& painter, const QSize& size) { DrawMagnifier(painter, size, true); }},
        {QStringLiteral("Timeslider/Images/Public/Component/Timeslider/ZoomOut.png"), QSize(16, 16),
         [](QPainter& painter, const QSize& size) { DrawMagnifier(painter, size, false); }},
        {QStringLiteral("Timeslider/Images/Public/Component/Timeslider/Filter.png"), QSize(16, 16), DrawFilter},
        {strCalendar + QStringLiteral("PrevMonth.png"), QSize(16, 16),
         [](QPainter& painter, const QSize& size) { DrawChevron(painter, size, false); }},
        {strCalendar + QStringLiteral("NextMonth.png"), QSize(16, 16),
         [](QPainter& painter, const QSize& size) { DrawChevron(painter, size, true); }},
        {strCalendar + QStringLiteral("PrevYear.png"), QSize(16, 16),
         [](QPainter& painter, const QSize& size) { DrawDoubleChevron(painter, size, false); }},
        {strCalendar + QStringLiteral("NextYear.png"), QSize(16, 16),
         [](QPainter& painter, const QSize& size) { DrawDoubleChevron(painter, size, true); }},
        {strCalendar + QStringLiteral("WeekLeft.png"), QSize(27, 25),
         [](QPainter& painter, const QSize& size) { DrawWeekBand(painter, size, -1); }},
        {strCalendar + QStringLiteral("WeekMid.png"), QSize(27, 25),
         [](QPainter& painter, const QSize& size) { DrawWeekBand(painter, size, 0); }},
        {strCalendar + QStringLiteral("WeekRight.png"), QSize(27, 25),
         [](QPainter& painter, const QSize& size) { DrawWeekBand(painter, size, 1); }},
        {QStringLiteral("Tab/Images/Public/Control/Tab/TabSel.png"), QSize(8, 51),
         [](QPainter& painter, const QSize& size) { DrawTabFace(painter, size, true); }},
        {QStringLiteral("Tab/Images/Public/Control/Tab/TabUnSel.png"), QSize(8, 51),
         [](QPainter& painter, const QSize& size) { DrawTabFace(painter, size, false); }},
        {QStringLiteral("Tab/Images/Public/Control/Tab/Close.png"), QSize(24, 24),
         [](QPainter& painter, const QSize& size) { DrawTabClose(painter, size, false); }},
        {QStringLiteral("Tab/Images/Public/Control/Tab/CloseHover.png"), QSize(24, 24),
         [](QPainter& painter, const QSize& size) { DrawTabClose(painter, size, true); }},
        {QStringLiteral("Tab/Images/Public/Control/Tab/TabLine.png"), QSize(1, 51), DrawTabLine},
        {QStringLiteral("Tab/Images/Public/Control/Tab/Arrow.png"), QSize(9, 17), DrawArrowGlyph},
        {QStringLiteral("Tab/Images/Public/Control/Tab/ArrowUnSel.png"), QSize(17, 41),
         [](QPainter& painter, const QSize& size) { DrawArrowFace(painter, size, 0); }},
        {QStringLiteral("Tab/Images/Public/Control/Tab/ArrowHover.png"), QSize(17, 41),
         [](QPainter& painter, const QSize& size) { DrawArrowFace(painter, size, 1); }},
        {QStringLiteral("Tab/Images/Public/Control/Tab/ArrowSel.png"), QSize(17, 41),
         [](QPainter& painter, const QSize& size) { DrawArrowFace(painter, size, 2); }},
        {QStringLiteral("Tab/Images/Public/Control/Tab/ModulePlateSel.png"), QSize(24, 24),
         [](QPainter& painter, const QSize& size) { DrawModulePlate(painter, size, Qt::white); }},
        {QStringLiteral("Tab/Images/Public/Control/Tab/ModulePlate.png"), QSize(24, 24),
         [](QPainter& painter, const QSize& size) { DrawModulePlate(painter, size, s_colorDimGlyph); }},
        {QStringLiteral("Tab/Images/Public/Control/Tab/ModuleTrackingSel.png"), QSize(24, 24),
         [](QPainter& painter, const QSize& size) { DrawModuleTracking(painter, size, Qt::white); }},
        {QStringLiteral("Tab/Images/Public/Control/Tab/ModuleTracking.png"), QSize(24, 24),
         [](QPainter& painter, const QSize& size) { DrawModuleTracking(painter, size, s_colorDimGlyph); }},
        {QStringLiteral("Tab/Images/Public/Control/Tab/ModuleSearchSel.png"), QSize(24, 24),
         [](QPainter& painter, const QSize& size) { DrawModuleSearch(painter, size, Qt::white); }},
        {QStringLiteral("Tab/Images/Public/Control/Tab/ModuleSearch.png"), QSize(24, 24),
         [](QPainter& painter, const QSize& size) { DrawModuleSearch(painter, size, s_colorDimGlyph); }},
        {QStringLiteral("Tab/Images/Public/Control/Tab/ModuleAlarmSel.png"), QSize(24, 24),
         [](QPainter& painter, const QSize& size) { DrawModuleAlarm(painter, size, Qt::white); }},
        {QStringLiteral("Tab/Images/Public/Control/Tab/ModuleAlarm.png"), QSize(24, 24),
         [](QPainter& painter, const QSize& size) { DrawModuleAlarm(painter, size, s_colorDimGlyph); }},
        {QStringLiteral("Tab/Images/Public/Control/Tab/ModuleHealthSel.png"), QSize(24, 24),
         [](QPainter& painter, const QSize& size) { DrawModuleHealth(painter, size, Qt::white); }},
        {QStringLiteral("Tab/Images/Public/Control/Tab/ModuleHealth.png"), QSize(24, 24),
         [](QPainter& painter, const QSize& size) { DrawModuleHealth(painter, size, s_colorDimGlyph); }},
        {QStringLiteral("Tab/Images/Public/Control/Tab/ModuleSystemSel.png"), QSize(24, 24),
         [](QPainter& painter, const QSize& size) { DrawModuleSystem(painter, size, Qt::white); }},
        {QStringLiteral("Tab/Images/Public/Control/Tab/ModuleSystem.png"), QSize(24, 24),
         [](QPainter& painter, const QSize& size) { DrawModuleSystem(painter, size, s_colorDimGlyph); }},
        {QStringLiteral("ComboBox/Images/Public/Control/ComboBox/DateBox.png"), QSize(16, 16), DrawCalendar},
        {QStringLiteral("Schedule/Images/Public/Component/Schedule/Continuous.png"), QSize(16, 16),
         [](QPainter& painter, const QSize& size) { DrawScheduleType(painter, size, QColor(93, 128, 248)); }},
        {QStringLiteral("Schedule/Images/Public/Component/Schedule/Event.png"), QSize(16, 16),
         [](QPainter& painter, const QSize& size) { DrawScheduleType(painter, size, QColor(197, 113, 45)); }},
        {QStringLiteral("Schedule/Images/Public/Component/Schedule/Command.png"), QSize(16, 16),
         [](QPainter& painter, const QSize& size) { DrawScheduleType(painter, size, QColor(142, 212, 99)); }},
        {QStringLiteral("Schedule/Images/Public/Component/Schedule/EventCommand.png"), QSize(16, 16),
         [](QPainter& painter, const QSize& size) { DrawScheduleType(painter, size, QColor(0xa0, 0xaa, 0xde)); }},
        {QStringLiteral("Schedule/Images/Public/Component/Schedule/HourScale.png"), QSize(635, 44), DrawHourScale},
        {QStringLiteral("Schedule/Images/Public/Component/Schedule/DayGrid.png"), QSize(576, 14), DrawDayGrid},
        {strIcons + QStringLiteral("DeletePlan.png"), QSize(16, 16), DrawDeletePlan},
        {strIcons + QStringLiteral("Remove.png"), QSize(16, 16), DrawBin},
        {strIcons + QStringLiteral("Copy.png"), QSize(16, 16), DrawCopySheets},
        {QStringLiteral("CutWnd/Images/Public/Component/CutWnd/Cut_1_1.png"), QSize(21, 19),
         [](QPainter& painter, const QSize& size) { DrawSplit(painter, size, 1, 1, {}); }},
        {QStringLiteral("CutWnd/Images/Public/Component/CutWnd/Cut_2_4.png"), QSize(21, 19),
         [](QPainter& painter, const QSize& size) { DrawSplit(painter, size, 2, 2, {}); }},
        {QStringLiteral("CutWnd/Images/Public/Component/CutWnd/Cut_3_6.png"), QSize(21, 19),
         [](QPainter& painter, const QSize& size) { DrawSplit(painter, size, 3, 3, {QRect(0, 0, 2, 2)}); }},
        {QStringLiteral("CutWnd/Images/Public/Component/CutWnd/Cut_4_8.png"), QSize(21, 19),
         [](QPainter& painter, const QSize& size) { DrawSplit(painter, size, 4, 4, {QRect(0, 0, 3, 3)}); }},
        {QStringLiteral("CutWnd/Images/Public/Component/CutWnd/Cut_3_9.png"), QSize(21, 19),
         [](QPainter& painter, const QSize& size) { DrawSplit(painter, size, 3, 3, {}); }},
        {QStringLiteral("CutWnd/Images/Public/Component/CutWnd/Cut_4_13.png"), QSize(21, 19),
         [](QPainter& painter, const QSize& size) { DrawSplit(painter, size, 4, 4, {QRect(1, 1, 2, 2)}); }},
        {QStringLiteral("CutWnd/Images/Public/Component/CutWnd/Cut_4_16.png"), QSize(21, 19),
         [](QPainter& painter, const QSize& size) { DrawSplit(painter, size, 4, 4, {}); }},
        {QStringLiteral("CutWnd/Images/Public/Component/CutWnd/Cut_5_25.png"), QSize(21, 19),
         [](QPainter& painter, const QSize& size) { DrawSplit(painter, size, 5, 5, {}); }},
        {QStringLiteral("CutWnd/Images/Public/Component/CutWnd/Cut_7_32.png"), QSize(21, 19),
         [](QPainter& painter, const QSize& size) { DrawSplit(painter, size, 7, 7, {QRect(0, 0, 3, 3), QRect(3, 0, 2, 2), QRect(5, 0, 2, 2), QRect(0, 3, 2, 2)}); }},
        {QStringLiteral("CutWnd/Images/Public/Component/CutWnd/Cut_6_36.png"), QSize(21, 19),
         [](QPainter& painter, const QSize& size) { DrawSplit(painter, size, 6, 6, {}); }},
        {QStringLiteral("CutWnd/Images/Public/Component/CutWnd/Cut_8_64.png"), QSize(21, 19),
         [](QPainter& painter, const QSize& size) { DrawSplit(painter, size, 8, 8, {}); }},
        {QStringLiteral("CutWnd/Images/Public/Component/CutWnd/Cut_3_4_4.png"), QSize(21, 19),
         [](QPainter& painter, const QSize& size) { DrawSplit(painter, size, 3, 4, {QRect(0, 0, 3, 3)}); }},
        {QStringLiteral("CutWnd/Images/Public/Component/CutWnd/Cut_3_4_6.png"), QSize(21, 19),
         [](QPainter& painter, const QSize& size) { DrawSplit(painter, size, 3, 4, {QRect(0, 0, 2, 2), QRect(2, 0, 2, 2)}); }},
        {QStringLiteral("CutWnd/Images/Public/Component/CutWnd/Cut_6_8_7.png"), QSize(21, 19),
         [](QPainter& painter, const QSize& size) { DrawSplit(painter, size, 6, 8, {QRect(0, 0, 6, 4), QRect(6, 0, 2, 2), QRect(6, 2, 2, 2), QRect(0, 4, 2, 2), QRect(2, 4, 2, 2), QRect(4, 4, 2, 2), QRect(6, 4, 2, 2)}); }},
        {QStringLiteral("CutWnd/Images/Public/Component/CutWnd/Cut_3_4_9.png"), QSize(21, 19),
         [](QPainter& painter, const QSize& size) { DrawSplit(painter, size, 3, 4, {QRect(0, 0, 2, 2)}); }},
        {QStringLiteral("CutWnd/Images/Public/Component/CutWnd/Cut_3_4_12.png"), QSize(21, 19),
         [](QPainter& painter, const QSize& size) { DrawSplit(painter, size, 3, 4, {}); }},
        {QStringLiteral("CutWnd/Images/Public/Component/CutWnd/Cut_6_8_16.png"), QSize(21, 19),
         [](QPainter& painter, const QSize& size) { DrawSplit(painter, size, 6, 8, {QRect(0, 0, 4, 4), QRect(4, 0, 2, 2), QRect(6, 0, 2, 2), QRect(0, 4, 2, 2), QRect(2, 4, 2, 2), QRect(4, 4, 2, 2), QRect(6, 4, 2, 1), QRect(6, 5, 2, 1)}); }},
        {QStringLiteral("CutWnd/Images/Public/Component/CutWnd/Cut_6_8_24.png"), QSize(21, 19),
         [](QPainter& painter, const QSize& size) { DrawSplit(painter, size, 6, 8, {QRect(0, 0, 2, 2), QRect(2, 0, 2, 2), QRect(4, 0, 2, 2), QRect(6, 0, 2, 2), QRect(0, 2, 2, 2), QRect(2, 2, 2, 2), QRect(4, 2, 2, 2), QRect(6, 2, 2, 2)}); }},
        {QStringLiteral("CutWnd/Images/Public/Component/CutWnd/Cut_6_8_36.png"), QSize(21, 19),
         [](QPainter& painter, const QSize& size) { DrawSplit(painter, size, 6, 8, {QRect(0, 0, 2, 2), QRect(2, 0, 2, 2), QRect(4, 0, 2, 2), QRect(6, 0, 2, 2)}); }},
        {QStringLiteral("CutWnd/Images/Public/Component/CutWnd/Cut_6_8_48.png"), QSize(21, 19),
         [](QPainter& painter, const QSize& size) { DrawSplit(painter, size, 6, 8, {}); }},
    };
}
