#include "life/pet_types.h"

#include <cmath>

namespace nupel {

namespace {

// The game draws "Randoman" in single precision. A double fraction just below
// 1 would round up to 1.0f, so it is kept below 1.
float singleFraction(RandomSource &random)
{
    const float r = static_cast<float>(random.next());
    return r < 1.0f ? r : std::nextafter(1.0f, 0.0f);
}

float singleInt(float value)
{
    return std::floor(value);
}

} // namespace

const std::array<PetTypeRow, petTypeCount> &petTypes()
{
    static const std::array<PetTypeRow, petTypeCount> rows{{
        {QStringLiteral("Normal"), QStringLiteral("nupnor.ico"), 10, 1, 1, 2, 1, 0},
        {QStringLiteral("Kattin"), QStringLiteral("nupkat.ico"), 5, 10, 1, 2, 1, 0},
        {QStringLiteral("Genkikki"), QStringLiteral("nupgen.ico"), 10, 1, 0.1, 2, 1, 0},
        {QStringLiteral("V.V.V."), QStringLiteral("nupvvv.ico"), 20, 5, 3, 4, 5, 0},
        {QStringLiteral("Stresser"), QStringLiteral("nupstr.ico"), 10, 1, 5, 2, 1, 0},
        {QStringLiteral("Kasutama"), QStringLiteral("nupkas.ico"), 10, 0.1, 1, 2, 1, 0},
        {QStringLiteral("Tabezo"), QStringLiteral("nuptab.ico"), 10, 1, 1, 10, 3, 0},
        {QStringLiteral("Funtaro"), QStringLiteral("nupfun.ico"), 10, 1, 1, 2, 10, 0},
        {QStringLiteral("Tamagoro"), QStringLiteral("nuptam.ico"), 110, 0.5, 1, 5, 1, 0},
        {QStringLiteral("Vex.Pro."), QStringLiteral("nupvex.ico"), 15, 10, 0.1, 1, 1, 0},
        {QStringLiteral("Randoman"), QStringLiteral("nuprnd.ico"), 0, 0, 0, 0, 0, 0, true},
        {QStringLiteral("Ikarin"), QStringLiteral("nupika.ico"), 10, 1, 4, 2, 1, 1},
        {QStringLiteral("KaneQueen"), QStringLiteral("nupkan.ico"), 10, 2, 4, 2, 1, 2},
    }};
    return rows;
}

const PetTypeRow *findPetType(const QString &name)
{
    for (const PetTypeRow &row : petTypes()) {
        if (row.name == name)
            return &row;
    }
    return nullptr;
}

void applyPetType(PetState &state, RandomSource &random, MainView &view)
{
    const PetTypeRow *row = findPetType(state.petType);
    if (!row)
        return;
    if (!row->drawn) {
        state.clutchMax = row->clutchMax;
        state.eggValueFactor = row->eggValueFactor;
        state.sicknessRate = row->sicknessRate;
        state.hungerRate = row->hungerRate;
        state.dirtRate = row->dirtRate;
        view.loadPicture(MainImage::Image1, row->iconFile);
        state.tantrumKind = row->tantrumKind;
        return;
    }
    state.clutchMax = singleInt(6.0f * singleFraction(random)) * 10.0f + 1.0f;
    state.eggValueFactor = singleInt(4.0f * singleFraction(random)) + 1.0f;
    state.sicknessRate = 3.0f * singleFraction(random) + 1.0f;
    state.hungerRate = singleInt(8.0f * singleFraction(random)) + 1.0f;
    state.dirtRate = singleInt(10.0f * singleFraction(random)) + 1.0f;
    view.loadPicture(MainImage::Image1, row->iconFile);
    state.tantrumKind = singleInt(6.0f * singleFraction(random));
}

void showTypeIcon(const PetState &state, MainView &view)
{
    if (const PetTypeRow *row = findPetType(state.petType))
        view.loadPicture(MainImage::Image1, row->iconFile);
}

} // namespace nupel
