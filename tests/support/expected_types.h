#pragma once

#include <QList>
#include <QString>

namespace nupel::test {

// One pet type as the game's design gives it, written out by hand so that no
// test compares the catalogue with itself. `values` holds clutchMax,
// eggValueFactor, sicknessRate, hungerRate, dirtRate and tantrumKind; empty
// for the type that draws them.
struct ExpectedType {
    const char *name;
    const char *icon;
    QList<double> values;
};

// The thirteen types, each at the number of the type draw that names it.
inline const QList<ExpectedType> &expectedTypes()
{
    static const QList<ExpectedType> types{
        {"Normal", "nupnor.ico", {10, 1, 1, 2, 1, 0}},
        {"Kattin", "nupkat.ico", {5, 10, 1, 2, 1, 0}},
        {"Genkikki", "nupgen.ico", {10, 1, 0.1, 2, 1, 0}},
        {"V.V.V.", "nupvvv.ico", {20, 5, 3, 4, 5, 0}},
        {"Stresser", "nupstr.ico", {10, 1, 5, 2, 1, 0}},
        {"Kasutama", "nupkas.ico", {10, 0.1, 1, 2, 1, 0}},
        {"Tabezo", "nuptab.ico", {10, 1, 1, 10, 3, 0}},
        {"Funtaro", "nupfun.ico", {10, 1, 1, 2, 10, 0}},
        {"Tamagoro", "nuptam.ico", {110, 0.5, 1, 5, 1, 0}},
        {"Vex.Pro.", "nupvex.ico", {15, 10, 0.1, 1, 1, 0}},
        {"Randoman", "nuprnd.ico", {}},
        {"Ikarin", "nupika.ico", {10, 1, 4, 2, 1, 1}},
        {"KaneQueen", "nupkan.ico", {10, 2, 4, 2, 1, 2}},
    };
    return types;
}

} // namespace nupel::test
