#include "ArtworkPainter.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QTextStream>
#include <QtGui/QGuiApplication>
#include <QtGui/QImage>
#include <QtGui/QPainter>

#include <cstdio>

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
    qrcStream << "</qresource>\n</RCC>\n";
    return 0;
}
