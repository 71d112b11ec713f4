#pragma once

#include "core/pet_state.h"
#include "core/random_source.h"
#include "files/file_write.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace nupel {

// A fresh score key, 1 to 10000: one draw from the game's random source.
int drawScoreKey(RandomSource &random);

// The score line of a finished game: name, money, type, cause of death,
// generation, age and the key, with money, generation and age XORed with the
// key as signed 32-bit integers. One line in code page 932 ended by CR LF;
// nothing when a text cannot be written in that code page.
std::optional<QByteArray> formatScoreRecord(const PetState &state, int key);

// The score file of a pet: its name followed by ".nps", in the working
// directory.
QString scoreFileName(const QString &petName);

// Draws a key and appends the game's score line to the pet's score file,
// creating the file when it does not exist yet.
WriteOutcome appendScoreRecord(const PetState &state, RandomSource &random);

} // namespace nupel
