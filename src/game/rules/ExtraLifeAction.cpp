#include "game/rules/ExtraLifeAction.h"

#include "game/rules/Game.h"
#include "game/rules/PickupKind.h"
#include "game/rules/PlayerStats.h"
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
