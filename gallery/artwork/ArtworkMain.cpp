#include "ArtworkPainter.h"
#include "GifWriter.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QTextStream>
#include <QtGui/QGuiApplication>
#include <QtGui/QImage>
#include <QtGui/QPainter>

#include <cstdio>

namespace {

bool WriteAnimation(const AnimationEntry& entry, const QString& strFile)
{
    QVector<QImage> vecFrames;
    for (int iFrame = 0; iFrame < entry.iFrames; ++iFrame) {
        QImage image(entry.size, QImage::Format_RGB32);
        image.fill(entry.colorBackground);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        entry.draw(painter, entry.size, iFrame);
        painter.end();
        vecFrames << image;
    }
    // Every blend of the two colours the frames are drawn with.
    QVector<QRgb> vecPalette;
    const QColor from = entry.colorBackground;
    const QColor to = entry.colorInk;
    for (int i = 0; i < 256; ++i) {
        const auto blend = [i](int iFrom, int iTo) { return iFrom + (iTo - iFrom) * i / 255; };
        vecPalette << qRgb(blend(from.red(), to.red()), blend(from.green(), to.green()),
                           blend(from.blue(), to.blue()));
    }
    return WriteAnimatedGif(strFile, vecFrames, vecPalette, entry.iDelayMs);
}

} // namespace

// orva-artwork OUTDIR: writes every picture below OUTDIR/OrvaDesk/ and a
// resource file OUTDIR/artwork.qrc that lists them under ":/OrvaDesk/".
int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: orva-artwork OUTDIR\n");
        return 2;
    }
    const QDir outDir(QString::fromLocal8Bit(argv[1]));
    QFile qrc(outDir.filePath(QStringLiteral("artwork.qrc")));
    if (!outDir.mkpath(QStringLiteral(".")) || !qrc.open(QIODevice::WriteOnly | QIODevice::Text)) {
        std::fprintf(stderr, "orva-artwork: cannot write to %s\n", argv[1]);
        return 1;
    }
    QTextStream qrcStream(&qrc);
    qrcStream << "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    for (const ArtworkEntry& entry : AllArtwork()) {
        const QString strRelative = QStringLiteral("OrvaDesk/") + entry.strPath;
        const QString strFile = outDir.filePath(strRelative);
        QImage image(entry.size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            entry.draw(painter, entry.size);
        }
        QDir().mkpath(QFileInfo(strFile).absolutePath());
        if (!image.save(strFile)) {
            std::fprintf(stderr, "orva-artwork: cannot save %s\n", qPrintable(strFile));
            return 1;
        }
        qrcStream << "    <file>" << strRelative << "</file>\n";
    }
    for (const AnimationEntry& entry : AllAnimations()) {
        const QString strRelative = QStringLiteral("OrvaDesk/") + entry.strPath;
        const QString strFile = outDir.filePath(strRelative);
        QDir().mkpath(QFileInfo(strFile).absolutePath());
        if (!WriteAnimation(entry, strFile)) {
            std::fprintf(stderr, "orva-artwork: cannot save %s\n", qPrintable(strFile));
            return 1;
        }
        qrcStream << "    <file>" << strRelative << "</file>\n";
    }
    qrcStream << "</qresource>\n</RCC>\n";
    return 0;
}
