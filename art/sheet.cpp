#include "sheet.h"

#include "catalog.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <vector>

namespace art {
namespace {

constexpr int zoom = 4;
constexpr int tileGap = 8;
constexpr int labelHeight = 18;
constexpr int widestPage = 1800;
const QColor page("#9a9a9a");
const QColor lightColour("#f4f4ec");
const QColor darkColour("#26262e");

struct Tile {
    QString name;
    QImage image;
    bool transparent;

    QSize zoomed() const { return image.size() * zoom; }
    int grounds() const { return transparent ? 2 : 1; }
    QSize size() const
    {
        const int width =
            std::max(2 * image.width() + tileGap, grounds() * zoomed().width() + (grounds() - 1) * tileGap);
        return {width + 2 * tileGap, image.height() + zoomed().height() + 3 * tileGap + labelHeight};
    }
};

void paintOnGround(QPainter &p, const QImage &image, QRect target, const QColor &ground)
{
    p.fillRect(target, ground);
    p.drawImage(target, image);
}

void paintTile(QPainter &p, const Tile &tile, QPoint at)
{
    p.fillRect(QRect(at, tile.size()), page.lighter(115));
    const QPoint origin = at + QPoint(tileGap, tileGap);
    const QSize real = tile.image.size();
    paintOnGround(p, tile.image, QRect(origin, real), lightColour);
    paintOnGround(p, tile.image, QRect(origin + QPoint(real.width() + tileGap, 0), real), darkColour);

    // Nearest-neighbour scaling so every pixel can be judged.
    const QImage zoomed = tile.image.convertToFormat(QImage::Format_ARGB32)
                              .scaled(tile.zoomed(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const QPoint zoomOrigin = origin + QPoint(0, real.height() + tileGap);
    paintOnGround(p, zoomed, QRect(zoomOrigin, tile.zoomed()), lightColour);
    if (tile.transparent)
        paintOnGround(p, zoomed, QRect(zoomOrigin + QPoint(tile.zoomed().width() + tileGap, 0), tile.zoomed()),
                      darkColour);

    p.setPen(Qt::black);
    const QRect label(origin.x(), zoomOrigin.y() + tile.zoomed().height() + 2, tile.size().width() - 2 * tileGap,
                      labelHeight);
    p.drawText(label, Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("%1  (%2×%3)").arg(tile.name).arg(real.width()).arg(real.height()));
}

} // namespace

QString writeContactSheet(const QString &path, const QStringList &onlyNames)
{
    std::vector<Tile> tiles;
    for (const Picture &picture : catalog()) {
        if (!onlyNames.isEmpty() && !onlyNames.contains(picture.fileName))
            continue;
        tiles.push_back({picture.fileName, storedImage(picture), picture.format == PictureFormat::Icon});
    }
    if (tiles.empty())
        return QStringLiteral("no pictures match %1").arg(onlyNames.join(QLatin1Char(' ')));

    // Shelf packing: tiles flow left to right and wrap onto a new shelf.
    int rowWidth = tileGap;
    int widestTile = 0;
    for (const Tile &tile : tiles) {
        rowWidth += tile.size().width() + tileGap;
        widestTile = std::max(widestTile, tile.size().width() + 2 * tileGap);
    }
    const int pageWidth = std::max(widestTile, std::min(widestPage, rowWidth));
    std::vector<QPoint> places;
    QPoint cursor(tileGap, tileGap);
    int shelfHeight = 0;
    for (const Tile &tile : tiles) {
        if (cursor.x() + tile.size().width() + tileGap > pageWidth) {
            cursor = QPoint(tileGap, cursor.y() + shelfHeight + tileGap);
            shelfHeight = 0;
        }
        places.push_back(cursor);
        cursor.rx() += tile.size().width() + tileGap;
        shelfHeight = std::max(shelfHeight, tile.size().height());
    }

    QImage sheet(pageWidth, cursor.y() + shelfHeight + tileGap, QImage::Format_RGB32);
    sheet.fill(page);
    QPainter p(&sheet);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    p.setFont(font);
    for (size_t i = 0; i < tiles.size(); ++i)
        paintTile(p, tiles[i], places[i]);
    p.end();

    if (!sheet.save(path, "PNG"))
        return QStringLiteral("cannot write %1").arg(path);
    return {};
}

} // namespace art
