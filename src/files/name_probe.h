#pragma once

#include "core/pet_state.h"

#include <QString>

namespace nupel {

// The name box holds at most this many bytes of code page 932: ten full-width
// or twenty half-width characters.
inline constexpr int nameByteLimit = 20;

// True when the text can stand in the name box: every character exists in code
// page 932 and the whole takes at most nameByteLimit bytes there.
bool fitsNameBox(const QString &text);

// True when no character of the name could break a file of the game or lead
// outside the working directory: no double quote, * ? < > |, / \ :, no
// control character, nothing code page 932 cannot hold.
bool nameCharactersAllowed(const QString &name);

// The name probe file of a candidate name: the name followed by ".npd".
QString probeFileName(const QString &name);

// The name test: the characters are allowed and the probe file can be created
// in the working directory and deleted again. A file already standing under
// the probe name shows that the name makes a file name; it is left untouched.
// In a working folder that takes no file at all the characters alone decide.
bool nameIsUsable(const QString &name);

// Names the pet when the name passes the name test; returns whether it did.
// A refused name leaves the pet's name as it was.
bool namePet(PetState &state, const QString &name);

} // namespace nupel
