#include <gtest/gtest.h>
#include <tinyxml.h>

#include <memory>
#include <string>

#include "../../render/support/LogCapture.h"
#include "game/windows/GameWindow.h"
#include "gui/Gui.h"

using namespace nimbus;

// The game view's element needs a position and a size like every window; what it reads
// is what it writes back, under its own class name.
TEST(GameWindow, IsBuiltFromACompleteElementOnlyAndSavesAsGame) {
    const struct {
        const char* xml;
        const char* error;
    } cases[] = {
        {R"(<window class="game" name="view" x="0.5" y="0" w="2" h="1.5" show="TRUE"/>)", nullptr},
        {R"(<window class="game" x="0" y="0" h="2"/>)", "Missing size attribute"},
        {R"(<window class="game" x="0" w="2" h="2"/>)", "Missing position attribute"},
    };
    Gui gui(1024, 768);
    for (const auto& c : cases) {
        TiXmlDocument document;
        document.Parse(c.xml);
        LogCapture log;
        std::unique_ptr<Window> window(GameWindow::create(document.RootElement(), gui));
        if (c.error) {
            EXPECT_EQ(window, nullptr);
            EXPECT_TRUE(log.saw({c.error})) << c.xml;
            continue;
        }
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(window->visible());
        EXPECT_TRUE(window->clipsChildren());
        TiXmlElement saved("window");
        window->toXml(saved);
        EXPECT_STREQ(saved.Attribute("class"), "game");
        EXPECT_STREQ(saved.Attribute("name"), "view");
        EXPECT_STREQ(saved.Attribute("x"), "0.500000");
        EXPECT_STREQ(saved.Attribute("w"), "2.000000");
    }
}
