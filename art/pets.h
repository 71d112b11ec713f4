#pragma once

#include <QPainter>
#include <QRectF>

#include <array>

namespace art {

// Every Nupel hatches as one of these types.
enum class PetKind {
    Normal,
    Kattin,
    Genkikki,
    VVV,
    Stresser,
    Kasutama,
    Tabezo,
    Funtaro,
    Tamagoro,
    VexPro,
    Randoman,
    Ikarin,
    KaneQueen,
};

inline constexpr std::array allPetKinds = {
    PetKind::Normal,   PetKind::Kattin, PetKind::Genkikki,  PetKind::VVV,      PetKind::Stresser,
    PetKind::Kasutama, PetKind::Tabezo, PetKind::Funtaro,   PetKind::Tamagoro, PetKind::VexPro,
    PetKind::Randoman, PetKind::Ikarin, PetKind::KaneQueen,
};

// Pets are designed on the 32×32 icon grid and scale to any box.
void drawPet(QPainter &p, PetKind kind, const QRectF &box);
// The speckled egg every Nupel comes from.
void drawEgg(QPainter &p, const QRectF &box);
// KaneQueen's treasure, also scattered about the opening screen.
void drawYenCoin(QPainter &p, QPointF centre, qreal radius);

} // namespace art
