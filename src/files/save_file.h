#pragma once

#include "core/numbers.h"
#include "core/pet_state.h"
#include "core/platform.h"
#include "core/random_source.h"
#include "files/file_write.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace nupel {

// One save record as it stands in the file: the seventeen saved fields in file
// order, the six scrambled ones still scrambled, and the key last.
struct SaveRecord {
    QString petName;
    qint16 satiety = 0;
    qint16 sickness = 0;
    qint16 dirt = 0;
    Cell changeProgress;
    qint32 money = 0;
    QString petType;
    Cell generation;
    qint32 eggs = 0;
    Cell clutchMax;
    Cell eggValueFactor;
    Cell sicknessRate;
    Cell dirtRate;
    Cell hungerRate;
    Cell eggPrice;
    qint32 age = 0;
    Cell tantrumKind;
    qint16 scrambleKey = 0;
};

// A fresh scramble key, 0 to 9999: one draw from the game's random source.
int drawScrambleKey(RandomSource &random);

// The save file's bytes for `state` scrambled with `key`: one line in code
// page 932 ended by CR LF. Nothing when a text cannot be written in that code
// page.
std::optional<QByteArray> formatSaveRecord(const PetState &state, int key);

// Reads the first line of a save file. Fails when the record has fewer than
// eighteen fields, when a 16-bit field, money, eggs or age is out of range,
// when a number is too large for a double, when the bytes are not code page
// 932, when the name holds a character that a pet's name may not hold, or
// when the type holds a double quote.
std::optional<SaveRecord> parseSaveRecord(const QByteArray &bytes);

// Unscrambles the record with its own key and writes its seventeen fields
// into `state`; every other field keeps its value.
void restoreSavedFields(const SaveRecord &record, PetState &state);

// The file a pet is saved to: its name followed by ".npw", in the working
// directory.
QString saveFileName(const QString &petName);

// The save procedure: draws a key and writes the pet's save file. The file is
// written beside the old save and renamed over it only when complete, so a
// failed save, a full disk included, leaves any older save as it was.
WriteOutcome saveGame(const PetState &state, RandomSource &random);

// Reads the save file at `path`, deletes it and restores its fields into
// `state`. On any failure `state` and the file are left as they were.
bool loadSaveFile(const QString &path, PetState &state);

// The load procedure: asks for a save file with the open-file dialog, then
// loads it as loadSaveFile does. False when cancelled or on any failure.
bool loadGame(PetState &state, Platform &platform);

} // namespace nupel
