#include "GifWriter.h"

#include <QtCore/QByteArray>
#include <QtCore/QFile>

namespace {

void PutWord(QByteArray& bytes, int iValue)
{
    bytes.append(static_cast<char>(iValue & 0xff));
    bytes.append(static_cast<char>((iValue >> 8) & 0xff));
}

int NearestIndex(QRgb rgb, const QVector<QRgb>& vecPalette)
{
    int iBest = 0;
    int iBestDistance = INT_MAX;
    for (int i = 0; i < vecPalette.size(); ++i) {
        const int iRed = qRed(rgb) - qRed(vecPalette.at(i));
        const int iGreen = qGreen(rgb) - qGreen(vecPalette.at(i));
        const int iBlue = qBlue(rgb) - qBlue(vecPalette.at(i));
        const int iDistance = iRed * iRed + iGreen * iGreen + iBlue * iBlue;
        if (iDistance < iBestDistance) {
            iBestDistance = iDistance;
            iBest = i;
        }
    }
    return iBest;
}

// Packs variable-width codes least significant bit first, as GIF wants.
class CBitPacker
{
public:
    void Put(int iCode, int iBits)
    {
        m_uBuffer |= static_cast<quint32>(iCode) << m_iBitCount;
        m_iBitCount += iBits;
        while (m_iBitCount >= 8) {
            m_bytes.append(static_cast<char>(m_uBuffer & 0xff));
            m_uBuffer >>= 8;
            m_iBitCount -= 8;
        }
    }
    QByteArray Finish()
    {
        if (m_iBitCount > 0)
            m_bytes.append(static_cast<char>(m_uBuffer & 0xff));
        return m_bytes;
    }

private:
    QByteArray m_bytes;
    quint32 m_uBuffer = 0;
    int m_iBitCount = 0;
};

// Image data with an 8-bit minimum code size: 9-bit literal codes, with a
// clear code often enough that the decoder's table never outgrows 9 bits.
QByteArray EncodeIndices(const QByteArray& indices)
{
    const int iClear = 256;
    const int iEnd = 257;
    const int iCodesPerClear = 250;
    CBitPacker packer;
    for (int i = 0; i < indices.size(); ++i) {
        if (i % iCodesPerClear == 0)
            packer.Put(iClear, 9);
        packer.Put(static_cast<quint8>(indices.at(i)), 9);
    }
    packer.Put(iEnd, 9);
    const QByteArray packed = packer.Finish();

    QByteArray blocks;
    blocks.append(static_cast<char>(8));
    for (int iOffset = 0; iOffset < packed.size(); iOffset += 255) {
        const QByteArray block = packed.mid(iOffset, 255);
        blocks.append(static_cast<char>(block.size()));
        blocks.append(block);
    }
    blocks.append(static_cast<char>(0));
    return blocks;
}

} // namespace

bool WriteAnimatedGif(const QString& strPath, const QVector<QImage>& vecFrames, const QVector<QRgb>& vecPalette,
                      int iDelayMs)
{
    if (vecFrames.isEmpty() || vecPalette.isEmpty() || vecPalette.size() > 256)
        return false;
    const QSize size = vecFrames.first().size();
    QByteArray bytes("GIF89a");
    PutWord(bytes, size.width());
    PutWord(bytes, size.height());
    bytes.append(static_cast<char>(0xf7)); // global table of 256 colours, 8 bits per primary
    bytes.append(static_cast<char>(0));    // background colour index
    bytes.append(static_cast<char>(0));    // square pixels
    for (int i = 0; i < 256; ++i) {
        const QRgb rgb = vecPalette.value(i, vecPalette.last());
        bytes.append(static_cast<char>(qRed(rgb)));
        bytes.append(static_cast<char>(qGreen(rgb)));
        bytes.append(static_cast<char>(qBlue(rgb)));
    }
    // Loop for ever.
    bytes.append(QByteArray::fromHex("21ff0b4e45545343415045322e300301000000"));

    for (const QImage& frame : vecFrames) {
        const QImage image = frame.convertToFormat(QImage::Format_RGB32);
        bytes.append(QByteArray::fromHex("21f904"));
        bytes.append(static_cast<char>(0x04)); // leave the frame in place, no transparency
        PutWord(bytes, iDelayMs / 10);
        bytes.append(static_cast<char>(0));
        bytes.append(static_cast<char>(0));
        bytes.append(static_cast<char>(0x2c));
        PutWord(bytes, 0);
        PutWord(bytes, 0);
        PutWord(bytes, size.width());
        PutWord(bytes, size.height());
        bytes.append(static_cast<char>(0));
        QByteArray indices;
        indices.reserve(size.width() * size.height());
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x)
                indices.append(static_cast<char>(NearestIndex(image.pixel(x, y), vecPalette)));
        }
        bytes.append(EncodeIndices(indices));
    }
    bytes.append(static_cast<char>(0x3b));

    QFile file(strPath);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
