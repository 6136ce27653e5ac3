#include "game/ExtraLifeAction.h"

#include "game/Game.h"
#include "game/PickupKind.h"
#include "game/PlayerStats.h"
#include "sound/SoundInterface.h"

namespace nimbus {

int32_t ExtraLifeAction::kind() const { return kPickupExtraLife; }

void ExtraLifeAction::begin(Game& game) {
    done_ = true;
    game.stats()->lives += 1;
    sound_.play("LifeJingle");
}

float ExtraLifeAction::update(Game&, float dt) { return dt; }

}  // namespace nimbus
