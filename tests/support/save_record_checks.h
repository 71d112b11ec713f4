#pragma once

#include "care/egg_market.h"
#include "core/pet_state.h"
#include "core/random_source.h"
#include "files/name_probe.h"
#include "files/save_file.h"
#include "play/tick.h"
#include "support/fake_platform.h"
#include "support/recording_view.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cmath>

namespace nupel::test {

// The number cells of the state that a save file writes, by name.
inline QList<QPair<const char *, const Cell *>> savedCells(const PetState &state)
{
    return {{"changeProgress", &state.changeProgress},
            {"generation", &state.generation},
            {"eggs", &state.eggs},
            {"clutchMax", &state.clutchMax},
            {"eggValueFactor", &state.eggValueFactor},
            {"sicknessRate", &state.sicknessRate},
            {"dirtRate", &state.dirtRate},
            {"hungerRate", &state.hungerRate},
            {"eggPrice", &state.eggPrice},
            {"age", &state.age},
            {"tantrumKind", &state.tantrumKind}};
}

// Every number cell of the state, by name.
inline QList<QPair<const char *, const Cell *>> allCells(const PetState &state)
{
    QList<QPair<const char *, const Cell *>> cells = savedCells(state);
    cells.append({{"eggsToSell", &state.eggsToSell},
                  {"eggTimer", &state.eggTimer},
                  {"timerCount", &state.timerCount},
                  {"suspended", &state.suspended},
                  {"skipLifespanCheck", &state.skipLifespanCheck},
                  {"hatchPending", &state.hatchPending},
                  {"walkCount", &state.walkCount},
                  {"walkDirection", &state.walkDirection},
                  {"roomPicture", &state.roomPicture},
                  {"shownGeneration", &state.shownGeneration},
                  {"eggsEaten", &state.eggsEaten}});
    return cells;
}

// The first number cell that holds NaN or an infinity, or empty text.
inline QString nonFiniteCell(const PetState &state)
{
    for (const auto &[name, cell] : allCells(state)) {
        if (!std::isfinite(cell->value()))
            return QString::fromLatin1(name) + QStringLiteral(" is ") + QString::number(cell->value());
    }
    return QString();
}

// What `bytes` break of the save-file reader's promises, or empty text when
// nothing. The reader either refuses the bytes or gives a record whose every
// number is finite, whose name passes the name rules, that the game can play
// on, and that saves to a file which loads back to the same pet.
inline QString saveRecordFault(const QByteArray &bytes)
{
    const std::optional<SaveRecord> record = parseSaveRecord(bytes);
    if (!record)
        return QString();
    if (!nameCharactersAllowed(record->petName))
        return QStringLiteral("the name %1 breaks the name rules").arg(record->petName);

    PetState loaded;
    loaded.setNewGameValues();
    restoreSavedFields(*record, loaded);
    if (const QString bad = nonFiniteCell(loaded); !bad.isEmpty())
        return QStringLiteral("after loading, ") + bad;

    // The loaded pet is saved again at once, as a player who quits would.
    constexpr int key = 4321;
    const std::optional<QByteArray> saved = formatSaveRecord(loaded, key);
    if (!saved)
        return QStringLiteral("a loaded game cannot be saved");
    const std::optional<SaveRecord> reread = parseSaveRecord(*saved);
    if (!reread)
        return QStringLiteral("the save of a loaded game does not load: ") + QString::fromLatin1(saved->toHex());
    PetState reloaded;
    reloaded.setNewGameValues();
    restoreSavedFields(*reread, reloaded);
    const std::optional<QByteArray> savedAgain = formatSaveRecord(reloaded, key);
    if (savedAgain != saved)
        return QStringLiteral("a loaded game comes back changed: %1 then %2")
            .arg(QString::fromLatin1(saved->toHex()), QString::fromLatin1(savedAgain.value_or("").toHex()));

    // A little play on the loaded pet: ticks up to a laying, a type change's
    // draw, a sale of every egg. The sanitizers watch the arithmetic.
    ClockRandom random;
    random.seed(1);
    RecordingView view;
    FakePlatform platform;
    for (int tick = 0; tick < 11 && loaded.suspended != 1; ++tick)
        simulationTick(loaded, random, view, platform);
    sellEggs(loaded, eggSelectionMaximum(loaded));
    (void)eggAmountText(loaded, loaded.eggs);
    if (const QString bad = nonFiniteCell(loaded); !bad.isEmpty())
        return QStringLiteral("after playing on, ") + bad;
    return QString();
}

} // namespace nupel::test
