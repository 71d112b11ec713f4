#pragma once

#include "core/random_source.h"

#include <QString>
#include <QStringList>

namespace nupel {

// The pet's words: a sentence is one subject, one object and one predicate,
// joined without separators.
const QStringList &chatterSubjects();
const QStringList &chatterObjects();
const QStringList &chatterPredicates();

// What the pet says in one click out of ten instead of a sentence.
inline const QString chatterBabble = QStringLiteral("もへ、もへ、もへ、もへ、もへ、もへ！");

// One chatter line: draws b below 10 and gives the babble when it is 0;
// otherwise draws subject, object and predicate in that order.
QString chatterLine(RandomSource &random);

} // namespace nupel
