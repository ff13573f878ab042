#include "GameEvents.h"

namespace bacc {

GameEvents& GameEvents::Instance() {
    static GameEvents events;
    return events;
}

} // namespace bacc
