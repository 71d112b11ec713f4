#include "catalog.h"

#include "faces.h"
#include "palette.h"
#include "pets.h"
#include "scenes.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QtEndian>

#include <algorithm>
#include <cstdlib>

namespace art {
namespace {

constexpr int iconSize = 32;

// An icon painted on the 32 × 32 grid, at scale times that size.
QImage drawIcon(int scale, const std::function<void(QPainter &, const QRectF &)> &paint)
{
    QImage image(iconSize * scale, iconSize * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Left alone at 1× so that scale draws exactly what it always drew.
    if (scale != 1)
        p.scale(scale, scale);
    paint(p, QRectF(0, 0, iconSize, iconSize));
    return image;
}

Picture pet(const char *fileName, PetKind kind)
{
    return {QString::fromLatin1(fileName), PictureFormat::Icon, PicturePlace::Beside, [kind](int scale) {
                return drawIcon(scale, [kind](QPainter &p, const QRectF &box) { drawPet(p, kind, box); });
            }};
}

Picture mood(const char *fileName, Mood mood)
{
    return {QString::fromLatin1(fileName), PictureFormat::Icon, PicturePlace::Beside, [mood](int scale) {
                return drawIcon(scale, [mood](QPainter &p, const QRectF &box) { drawMoodFace(p, mood, box); });
            }};
}

Picture bitmap(const char *fileName, PicturePlace place, QImage (*draw)(int))
{
    return {QString::fromLatin1(fileName), PictureFormat::Bitmap, place, draw};
}

// One .ico file holding the icon at every scale, smallest first, so that a
// reader that takes only the first image still finds the 32 × 32 picture.
// Qt writes one image per file; each image's bytes are taken from such a
// single-image file and given a directory of their own here.
QByteArray iconFile(const Picture &picture)
{
    constexpr int headerSize = 6;
    constexpr int entrySize = 16;
    std::vector<QByteArray> entries;
    std::vector<QByteArray> images;
    for (const int scale : drawnScales) {
        QBuffer single;
        single.open(QIODevice::WriteOnly);
        if (!storedImage(picture, scale).save(&single, "ICO"))
            return {};
        const QByteArray bytes = single.data();
        if (bytes.size() < headerSize + entrySize || qFromLittleEndian<quint16>(bytes.constData() + 4) != 1)
            return {};
        const QByteArray entry = bytes.mid(headerSize, entrySize);
        const quint32 size = qFromLittleEndian<quint32>(entry.constData() + 8);
        const quint32 offset = qFromLittleEndian<quint32>(entry.constData() + 12);
        if (offset + qint64(size) > bytes.size())
            return {};
        entries.push_back(entry);
        images.push_back(bytes.mid(offset, size));
    }

    QByteArray file(headerSize, '\0');
    qToLittleEndian<quint16>(0, file.data());
    qToLittleEndian<quint16>(1, file.data() + 2);
    qToLittleEndian<quint16>(quint16(entries.size()), file.data() + 4);
    quint32 offset = quint32(headerSize + entrySize * entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        QByteArray entry = entries[i];
        qToLittleEndian<quint32>(offset, entry.data() + 12);
        file += entry;
        offset += quint32(images[i].size());
    }
    for (const QByteArray &image : images)
        file += image;
    return file;
}

// A 256-colour .bmp file. Qt leaves the padding at the end of each row as
// it found it in memory; zeroed here, so every build writes the same bytes.
QByteArray bitmapFile(const QImage &indexed)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!indexed.save(&buffer, "BMP"))
        return {};
    QByteArray bytes = buffer.data();
    constexpr int headerEnd = 30;
    if (bytes.size() < headerEnd || qFromLittleEndian<quint16>(bytes.constData() + 28) != 8)
        return {};
    const quint32 pixels = qFromLittleEndian<quint32>(bytes.constData() + 10);
    const qint32 width = qFromLittleEndian<qint32>(bytes.constData() + 18);
    const qint32 height = std::abs(qFromLittleEndian<qint32>(bytes.constData() + 22));
    const qint32 stride = (width + 3) / 4 * 4;
    if (pixels + qint64(stride) * height > bytes.size())
        return {};
    for (qint32 row = 0; row < height; ++row)
        std::fill_n(bytes.begin() + pixels + qint64(row) * stride + width, stride - width, '\0');
    return bytes;
}

QString writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        return QStringLiteral("cannot write %1").arg(path);
    return {};
}

} // namespace

const std::vector<Picture> &catalog()
{
    static const std::vector<Picture> pictures = {
        pet("nupnor.ico", PetKind::Normal),
        pet("nupkat.ico", PetKind::Kattin),
        pet("nupgen.ico", PetKind::Genkikki),
        pet("nupvvv.ico", PetKind::VVV),
        pet("nupstr.ico", PetKind::Stresser),
        pet("nupkas.ico", PetKind::Kasutama),
        pet("nuptab.ico", PetKind::Tabezo),
        pet("nupfun.ico", PetKind::Funtaro),
        pet("nuptam.ico", PetKind::Tamagoro),
        pet("nupvex.ico", PetKind::VexPro),
        pet("nuprnd.ico", PetKind::Randoman),
        pet("nupika.ico", PetKind::Ikarin),
        pet("nupkan.ico", PetKind::KaneQueen),
        // The game ranks these best to worst as 1, 3, 2, 4.
        mood("muki1.ico", Mood::Delighted),
        mood("muki2.ico", Mood::Unhappy),
        mood("muki3.ico", Mood::Content),
        mood("muki4.ico", Mood::Miserable),
        bitmap("nupelwha.bmp", PicturePlace::Inside, drawMeadowRoom),
        bitmap("nupelwh1.bmp", PicturePlace::Inside, drawSpaceRoom),
        bitmap("nupelwh2.bmp", PicturePlace::Inside, drawShapesRoom),
        bitmap("nupelwop.bmp", PicturePlace::Beside, drawMorningTitle),
        bitmap("nupelwo2.bmp", PicturePlace::Beside, drawSunsetTitle),
        bitmap("nupelwo3.bmp", PicturePlace::Beside, drawNightTitle),
        bitmap("nameban.bmp", PicturePlace::Inside, drawNameBanner),
        bitmap("grave.bmp", PicturePlace::Inside, drawGrave),
    };
    return pictures;
}

QImage storedImage(const Picture &picture, int scale)
{
    const QImage drawn = picture.draw(scale);
    switch (picture.format) {
    case PictureFormat::Icon: return drawn.convertToFormat(QImage::Format_ARGB32);
    case PictureFormat::Bitmap: return toIndexed8(drawn);
    }
    return {};
}

QString scaledFileName(const Picture &picture, int scale)
{
    if (scale == 1 || picture.format == PictureFormat::Icon)
        return picture.fileName;
    const qsizetype dot = picture.fileName.lastIndexOf(QLatin1Char('.'));
    return picture.fileName.left(dot) + QStringLiteral("@%1x").arg(scale) + picture.fileName.mid(dot);
}

QString writePicture(const Picture &picture, const QString &directory)
{
    if (picture.format == PictureFormat::Icon)
        return writeFile(QDir(directory).filePath(picture.fileName), iconFile(picture));
    for (const int scale : drawnScales) {
        const QString problem = writeFile(QDir(directory).filePath(scaledFileName(picture, scale)),
                                          bitmapFile(storedImage(picture, scale)));
        if (!problem.isEmpty())
            return problem;
    }
    return {};
}

} // namespace art
