#include "core/pet_state.h"

namespace nupel {

void PetState::setNewGameValues()
{
    satiety = 200;
    sickness = 0;
    dirt = 0;
    dirtRate = 1;
    hungerRate = 2;
    sicknessRate = 1;
    clutchMax = 10;
    eggValueFactor = 1;
    money = 10000;
    generation = 1;
    petType = QStringLiteral("Normal");
    eggTimer = 0;
    age = 0;
    eggs = 0;
    roomPicture = 1;
    tantrumKind = 0;
}

} // namespace nupel
