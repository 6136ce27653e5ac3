#include "gui/windows/StandardWindows.h"

#include "gui/GuiNames.h"
#include "gui/windows/Button.h"
#include "gui/windows/EditBox.h"
#include "gui/windows/KeyButton.h"
#include "gui/windows/Null.h"
#include "gui/windows/Pane.h"
#include "gui/windows/PropertyLines.h"
#include "gui/windows/PropertyText.h"
#include "gui/windows/RoundedPane.h"
#include "gui/windows/Slider.h"
#include "gui/windows/Swatch.h"
#include "gui/windows/Text.h"
#include "gui/windows/TextField.h"
#include "gui/windows/WindowFactory.h"

namespace nimbus {

namespace {

const WindowClass kStandardWindows[] = {
    {kClassButton, &Button::create},
    {kClassNull, &Null::create},
    {kClassPane, &Pane::create},
    {kClassText, &Text::create},
    {kClassPropertyText, &PropertyText::create},
    {kClassEditBox, &EditBox::create},
    {kClassRoundedPane, &RoundedPane::create},
    {kClassSlider, &Slider::create},
    {kClassKeyButton, &KeyButton::create},
    {kClassTextField, &TextField::create},
    {kClassSwatch, &Swatch::create},
    {kClassPropertyLines, &PropertyLines::create},
};

}  // namespace

bool registerStandardWindows(WindowFactory& factory) { return factory.registerClasses(kStandardWindows); }

}  // namespace nimbus
