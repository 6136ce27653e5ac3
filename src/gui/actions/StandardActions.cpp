#include "gui/actions/StandardActions.h"

#include "gui/GuiNames.h"
#include "gui/actions/ActionFactory.h"
#include "gui/actions/DisableInput.h"
#include "gui/actions/EnableInput.h"
#include "gui/actions/Hide.h"
#include "gui/actions/SetProp.h"
#include "gui/actions/Show.h"

namespace nimbus {

namespace {

const ActionClass kStandardActions[] = {
    {kActionShow, &Show::create},
    {kActionHide, &Hide::create},
    {kActionSetProp, &SetProp::create},
    {kActionEnableInput, &EnableInput::create},
    {kActionDisableInput, &DisableInput::create},
};

}  // namespace

bool registerStandardActions(ActionFactory& factory) { return factory.registerClasses(kStandardActions); }

}  // namespace nimbus
