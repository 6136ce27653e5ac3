#include "gui/actions/SlideAction.h"

#include "gui/windows/Window.h"

namespace nimbus {

SlideAction::SlideAction(Window& target)
    : TargetAction(target),
      rest_(target.position()),
      offset_(target.size().x + target.absolutePosition().x + kMargin, 0.0f) {}

bool SlideAction::slide(float dt, bool inwards) {
    elapsed_ += dt;
    if (elapsed_ > kDuration) {
        target().setPosition(rest_);
        elapsed_ = 0.0f;
        return true;
    }
    const float away = inwards ? kDuration - elapsed_ : elapsed_;
    target().setPosition(rest_ - offset_ * away);
    return false;
}

}  // namespace nimbus
