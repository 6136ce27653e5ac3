#pragma once

#include "core/math/Vector2.h"
#include "gui/actions/TargetAction.h"

namespace nimbus {

// The one-second slide that shows and hides windows, from or to the left of the screen.
// The rest position and the slide offset are taken from the target when the document
// loads: the offset carries the window's absolute centre to x = -(width + 1.25), beyond
// the screen's left edge.
class SlideAction : public TargetAction {
public:
    static constexpr float kDuration = 1.0f;
    static constexpr float kMargin = 1.25f;

    const Vector2& rest() const { return rest_; }
    const Vector2& offset() const { return offset_; }

protected:
    explicit SlideAction(Window& target);
    // Advances the slide by dt. Places the window `away` × offset left of its rest
    // position, with away running from 1 to 0 when sliding in and from 0 to 1 when
    // sliding out; once the second is over puts it at rest, starts the clock again for
    // the next run and returns true.
    bool slide(float dt, bool inwards);
    float elapsed() const { return elapsed_; }

private:
    Vector2 rest_;
    Vector2 offset_;
    float elapsed_ = 0.0f;
};

}  // namespace nimbus
