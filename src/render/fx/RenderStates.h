#pragma once

#include <GL/glew.h>

#include <string>

// The render states a pass may set, as one table: how each value is written in an
// effect file, how it is applied, and how the value before the pass is kept and put back.
namespace nimbus::fx {

// How a state's value is written: true/false, one name, a pair of names "(A, B)", or a
// number.
enum class StateSyntax { Boolean, Name, NamePair, Number };

// A value as GL reports it: a pass's name fills the first two integers (GL reports front
// and back polygon modes), a pair of names the four blend factors (colour, then alpha).
struct StateValue {
    GLint ints[4] = {0, 0, 0, 0};
    GLfloat number = 0.0f;
};

struct RenderState;

struct StateAssignment {
    const RenderState* state = nullptr;
    StateValue value;
};

// The state of that name (letter case ignored), or null.
const RenderState* findRenderState(const std::string& name);
const char* stateName(const RenderState& state);
StateSyntax stateSyntax(const RenderState& state);
// The GL value of a name the state accepts (letter case ignored); false when it accepts
// no such name.
bool stateNameValue(const RenderState& state, const std::string& name, GLint& value);

// Reads the state's current GL value.
void saveState(const RenderState& state, StateValue& value);
// Sets the state to a value from a pass or from saveState.
void applyState(const RenderState& state, const StateValue& value);

}  // namespace nimbus::fx
