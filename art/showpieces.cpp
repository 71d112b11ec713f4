// The opening-screen titles, the name-entry banner and the grave marker.

#include "scenes.h"

#include "ink.h"
#include "lettering.h"
#include "pets.h"
#include "scenery.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>
#include <numbers>
#include <vector>

namespace art {
namespace {

const QSize titleSize(313, 225);
const QSize bannerSize(153, 71);
const QSize graveSize(113, 167);
const QString titleName = QStringLiteral("Nupel");

struct Cast {
    PetKind kind;
    QRectF box;
};

// Pets get a soft shadow so they stand on the ground instead of floating.
void paintCast(QPainter &p, const std::vector<Cast> &cast)
{
    for (const Cast &member : cast) {
        const QRectF box = member.box;
        const qreal unit = box.width() / 32;
        paintFilled(p, ellipsePath({box.center().x(), box.bottom() - unit * 1.2}, box.width() * 0.36, unit * 1.6),
                    QColor(0, 0, 0, 60));
        drawPet(p, member.kind, box);
    }
}

void paintSunburst(QPainter &p, const QRectF &area, QPointF centre, int rays, const QColor &colour)
{
    p.save();
    p.setClipRect(area);
    const qreal reach = std::hypot(area.width(), area.height());
    for (int i = 0; i < rays; i += 2) {
        const qreal a0 = 2 * std::numbers::pi * i / rays;
        const qreal a1 = 2 * std::numbers::pi * (i + 1) / rays;
        paintFilled(p,
                    polygonPath({centre, centre + QPointF(std::cos(a0), std::sin(a0)) * reach,
                                 centre + QPointF(std::cos(a1), std::sin(a1)) * reach}),
                    colour);
    }
    p.restore();
}

void paintTwinkles(QPainter &p, std::initializer_list<std::pair<QPointF, qreal>> twinkles, const Ink &ink)
{
    for (const auto &[at, size] : twinkles)
        paintOutlined(p, sparklePath(at, size), ink, 1.0);
}

void paintCrescentMoon(QPainter &p, QPointF centre, qreal radius)
{
    QPainterPath moon = circlePath(centre, radius)
                            .subtracted(circlePath(centre + QPointF(radius * 0.45, -radius * 0.25), radius * 0.85));
    QRadialGradient glow(centre, radius * 2);
    glow.setColorAt(0, QColor(255, 240, 170, 90));
    glow.setColorAt(1, QColor(255, 240, 170, 0));
    paintFilled(p, circlePath(centre, radius * 2), glow);
    paintOutlined(p, moon, QColor("#fff2a8"), QColor("#b09020"), 1.0);
}

} // namespace

QImage drawMorningTitle(int scale)
{
    Canvas canvas(titleSize, scale);
    QPainter &p = canvas.painter();
    const QRectF all = canvas.rect();

    paintVerticalGradient(p, all, {{0, QColor("#5ab8f5")}, {1, QColor("#e2f6ff")}});
    paintSunburst(p, all, {156, 60}, 28, QColor(255, 255, 255, 45));
    paintFilled(p, cloudPath({40, 128}, 22), QColor(255, 255, 255, 220));
    paintFilled(p, cloudPath({282, 120}, 18), QColor(255, 255, 255, 220));

    const QPainterPath hill = hillPath(all, {186, 172, 180, 170, 184});
    paintOutlined(p, hill, QColor("#79d155"), QColor("#2f7a24"), 1.5);
    for (QPointF root : {QPointF(14, 196), QPointF(112, 190), QPointF(206, 192), QPointF(296, 200)})
        paintGrassTuft(p, root, 7, QColor("#3f9a30"));
    paintFlower(p, {22, 208}, 4, QColor("#ffffff"));
    paintFlower(p, {288, 212}, 4, QColor("#ff9ac8"));

    paintLettering(p, titleName, QRectF(28, 6, 257, 96),
                   {QColor("#d8ff8a"),
                    QColor("#2fae46"),
                    QColor("#123f18"),
                    QColor("#ffffff"),
                    QColor(20, 60, 120, 90),
                    3,
                    3,
                    {3, 4},
                    6});
    paintTwinkles(p, {{{26, 22}, 7}, {{292, 30}, 6}, {{276, 92}, 4}}, {QColor("#fffbd0"), QColor("#c08a00")});

    drawEgg(p, QRectF(150, 170, 26, 30));
    paintCast(p, {{PetKind::Genkikki, QRectF(14, 128, 60, 60)},
                  {PetKind::Kattin, QRectF(78, 140, 52, 52)},
                  {PetKind::Normal, QRectF(168, 116, 76, 76)},
                  {PetKind::Tamagoro, QRectF(246, 138, 56, 56)}});
    return canvas.finish();
}

QImage drawSunsetTitle(int scale)
{
    Canvas canvas(titleSize, scale);
    QPainter &p = canvas.painter();
    const QRectF all = canvas.rect();

    paintVerticalGradient(
        p, all, {{0, QColor("#6a3a9a")}, {0.45, QColor("#ff7a6a")}, {0.8, QColor("#ffc070")}, {1, QColor("#ffe0a0")}});
    QRadialGradient glow(QPointF(150, 176), 90);
    glow.setColorAt(0, QColor(255, 240, 170, 255));
    glow.setColorAt(0.35, QColor(255, 200, 90, 200));
    glow.setColorAt(1, QColor(255, 150, 80, 0));
    paintFilled(p, circlePath({150, 176}, 90), glow);
    paintFilled(p, circlePath({150, 176}, 34), QColor("#fff0a0"));
    // Stripes across the low sun, the way a heat haze cuts it.
    for (int i = 0; i < 4; ++i)
        paintFilled(p, rectPath(QRectF(94, 150 + i * 7, 112, 2 + i)), QColor(255, 140, 90, 150));

    const QPainterPath hill = hillPath(all, {190, 180, 186, 178, 188});
    paintOutlined(p, hill, QColor("#5a8a3e"), QColor("#24401a"), 1.5);

    paintLettering(p, titleName, QRectF(26, 6, 261, 96),
                   {QColor("#fff6a0"),
                    QColor("#ff8a1a"),
                    QColor("#4a1400"),
                    QColor("#fff8e8"),
                    QColor(80, 10, 40, 110),
                    3,
                    3,
                    {3, 4},
                    -6});
    paintTwinkles(p, {{{24, 92}, 5}, {{292, 20}, 6}}, {QColor("#fffbd0"), QColor("#a0600a")});

    drawYenCoin(p, {128, 198}, 7);
    drawYenCoin(p, {143, 206}, 6);
    drawYenCoin(p, {170, 202}, 6);
    paintCast(p, {{PetKind::Funtaro, QRectF(4, 142, 50, 50)},
                  {PetKind::Tabezo, QRectF(50, 128, 66, 66)},
                  {PetKind::KaneQueen, QRectF(178, 110, 80, 80)},
                  {PetKind::Ikarin, QRectF(256, 138, 54, 54)}});
    return canvas.finish();
}

QImage drawNightTitle(int scale)
{
    Canvas canvas(titleSize, scale);
    QPainter &p = canvas.painter();
    const QRectF all = canvas.rect();

    paintVerticalGradient(p, all, {{0, QColor("#070b2a")}, {0.7, QColor("#1c2a6a")}, {1, QColor("#3a3a8a")}});
    paintStarfield(p, all, 140, 23);
    paintCrescentMoon(p, {278, 118}, 16);

    const QPainterPath hill = hillPath(all, {194, 184, 190, 182, 192});
    paintOutlined(p, hill, QColor("#27405a"), QColor("#0a1422"), 1.5);

    paintLettering(p, titleName, QRectF(26, 6, 261, 96),
                   {QColor("#f0e0ff"),
                    QColor("#8a52f0"),
                    QColor("#12062e"),
                    QColor("#ffd84a"),
                    QColor(0, 0, 0, 140),
                    3,
                    3,
                    {3, 4},
                    4});

    paintCast(p, {{PetKind::Kasutama, QRectF(4, 146, 46, 46)},
                  {PetKind::Stresser, QRectF(42, 136, 56, 56)},
                  {PetKind::VexPro, QRectF(118, 110, 80, 80)},
                  {PetKind::VVV, QRectF(200, 130, 62, 62)},
                  {PetKind::Randoman, QRectF(256, 146, 50, 50)}});
    return canvas.finish();
}

QImage drawNameBanner(int scale)
{
    Canvas canvas(bannerSize, scale);
    QPainter &p = canvas.painter();
    const QRectF all = canvas.rect();

    paintVerticalGradient(p, all, {{0, QColor("#fff8e0")}, {1, QColor("#d8f2c0")}});
    paintSunburst(p, all, {118, 44}, 20, QColor(255, 255, 255, 110));
    paintStroke(p, roundedRectPath(all.adjusted(1.5, 1.5, -1.5, -1.5), 6), QColor("#5a9a3a"), 2);

    paintLettering(p, titleName, QRectF(5, 6, 94, 50),
                   {QColor("#d8ff8a"),
                    QColor("#2fae46"),
                    QColor("#123f18"),
                    QColor("#ffffff"),
                    QColor(20, 60, 20, 80),
                    2,
                    2,
                    {2, 2},
                    6});
    drawEgg(p, QRectF(92, 38, 22, 26));
    paintCast(p, {{PetKind::Normal, QRectF(106, 16, 44, 44)}});
    return canvas.finish();
}

QImage drawGrave(int scale)
{
    Canvas canvas(graveSize, scale);
    QPainter &p = canvas.painter();
    const QRectF all = canvas.rect();

    paintVerticalGradient(p, all, {{0, QColor("#8c86c0")}, {0.6, QColor("#d8c6e0")}, {1, QColor("#f4dcc8")}});
    paintStarfield(p, QRectF(0, 0, all.width(), 50), 14, 5);

    const QPainterPath mound = ellipsePath({56.5, 160}, 60, 26);
    paintOutlined(p, mound, QColor("#8a6440"), QColor("#3e2a16"), 1.4);
    p.save();
    p.setClipPath(mound);
    paintFilled(p, ellipsePath({56.5, 158}, 64, 25), QColor("#6cb04a"));
    p.restore();
    paintOutlined(p, mound, Qt::NoBrush, QColor("#2f5a1c"), 1.4);

    // A rounded headstone with a little thickness on its right side.
    QPainterPath stone;
    stone.moveTo(28, 146);
    stone.lineTo(28, 70);
    stone.arcTo(QRectF(28, 40, 56, 60), 180, -180);
    stone.lineTo(84, 146);
    stone.closeSubpath();
    paintFilled(p, stone.translated(5, 2), QColor("#6e7280"));
    paintOutlined(p, stone.translated(5, 2), Qt::NoBrush, QColor("#2e3038"), 1.2);
    QLinearGradient granite(28, 0, 84, 0);
    granite.setColorAt(0, QColor("#d8dbe2"));
    granite.setColorAt(1, QColor("#a2a7b2"));
    paintOutlined(p, stone, granite, QColor("#2e3038"), 1.4);

    // The engraving: the pet that lived here, with a halo.
    const QColor carved("#7b808c");
    const QColor carvedLight("#eef0f4");
    QPainterPath figure = blobPath(QRectF(45, 62, 22, 19));
    figure.addEllipse(QRectF(47, 78.5, 7, 4));
    figure.addEllipse(QRectF(58, 78.5, 7, 4));
    QPainterPath halo;
    halo.addEllipse(QPointF(56, 56.5), 8, 2.6);
    paintStroke(p, halo.translated(0.8, 0.8), carvedLight, 1.6);
    paintStroke(p, halo, carved, 1.6);
    paintFilled(p, figure.translated(0.8, 0.8), carvedLight);
    paintFilled(p, figure, carved);
    for (qreal x : {52.5, 59.5})
        paintFilled(p, roundedRectPath(QRectF(x - 0.8, 68.5, 1.6, 3), 0.8), QColor("#c4c8d0"));

    QFont font(QStringLiteral("DejaVu Serif"));
    font.setBold(true);
    font.setPixelSize(13);
    p.setFont(font);
    const QRectF plate(30, 90, 54, 18);
    p.setPen(carvedLight);
    p.drawText(plate.translated(0.8, 0.8), Qt::AlignCenter, QStringLiteral("R.I.P."));
    p.setPen(QColor("#5a5f6c"));
    p.drawText(plate, Qt::AlignCenter, QStringLiteral("R.I.P."));
    paintLine(p, {38, 114}, {74, 114}, carved, 1);

    for (QPointF root : {QPointF(14, 150), QPointF(96, 148), QPointF(40, 148), QPointF(76, 150)})
        paintGrassTuft(p, root, 8, QColor("#3f8a2a"));
    QPainterPath stem(QPointF(20, 152));
    stem.quadTo(17, 140, 20, 131);
    paintStroke(p, stem, QColor("#2f7a24"), 1.4);
    paintOutlined(p, ellipsePath({16.5, 142}, 3.5, 1.6), QColor("#5ab03a"), QColor("#2f5a1c"), 0.8);
    paintFlower(p, {20, 129}, 5, QColor("#ff9ac8"));
    paintFlower(p, {92, 138}, 3.5, QColor("#ffffff"));
    paintFlower(p, {101, 144}, 3, QColor("#c8b0ff"));
    return canvas.finish();
}

} // namespace art
