#include "catalog.h"

#include "faces.h"
#include "palette.h"
#include "pets.h"
#include "scenes.h"

#include <QDir>
#include <QPainter>

namespace art {
namespace {

constexpr int kIconSize = 32;

QImage blankIcon()
{
    QImage image(kIconSize, kIconSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage petIcon(PetKind kind)
{
    QImage image = blankIcon();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawPet(p, kind, QRectF(0, 0, kIconSize, kIconSize));
    return image;
}

QImage moodIcon(Mood mood)
{
    QImage image = blankIcon();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawMoodFace(p, mood, QRectF(0, 0, kIconSize, kIconSize));
    return image;
}

Picture pet(const char* fileName, PetKind kind)
{
    return {QString::fromLatin1(fileName), PictureFormat::Icon, [kind] { return petIcon(kind); }};
}

Picture mood(const char* fileName, Mood mood)
{
    return {QString::fromLatin1(fileName), PictureFormat::Icon, [mood] { return moodIcon(mood); }};
}

Picture bitmap(const char* fileName, QImage (*draw)())
{
    return {QString::fromLatin1(fileName), PictureFormat::Bitmap, draw};
}

} // namespace

const std::vector<Picture>& catalog()
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
        bitmap("nupelwha.bmp", drawMeadowRoom),
        bitmap("nupelwh1.bmp", drawSpaceRoom),
        bitmap("nupelwh2.bmp", drawShapesRoom),
        bitmap("nupelwop.bmp", drawMorningTitle),
        bitmap("nupelwo2.bmp", drawSunsetTitle),
        bitmap("nupelwo3.bmp", drawNightTitle),
        bitmap("nameban.bmp", drawNameBanner),
        bitmap("grave.bmp", drawGrave),
    };
    return pictures;
}

QImage storedImage(const Picture& picture)
{
    const QImage drawn = picture.draw();
    switch (picture.format) {
    case PictureFormat::Icon: return drawn.convertToFormat(QImage::Format_ARGB32);
    case PictureFormat::Bitmap: return toIndexed8(drawn);
    }
    return {};
}

QString writePicture(const Picture& picture, const QString& directory)
{
    const QString path = QDir(directory).filePath(picture.fileName);
    const char* format = picture.format == PictureFormat::Icon ? "ICO" : "BMP";
    if (!storedImage(picture).save(path, format))
        return QStringLiteral("cannot write %1").arg(path);
    return {};
}

} // namespace art
