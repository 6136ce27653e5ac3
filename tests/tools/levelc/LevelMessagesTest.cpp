#include <gtest/gtest.h>

#include "LevelMessages.h"
#include "game/level/LevelSource.h"

namespace nimbus {
namespace {

// A level's title and what it teaches become message entries for the catalogues, quoted
// as gettext reads them and noted with the level they come from; an absent text, none.
TEST(LevelMessages, TheTitleAndTheLessonBecomeMessagesForTheCatalogues) {
    LevelSource level;
    level.title = "The \"Gate\"";
    EXPECT_EQ(levelMessages("assets/levels/05.level", level),
              "#. The title of the level 05.level\n#: assets/levels/05.level\nmsgid \"The \\\"Gate\\\"\"\n"
              "msgstr \"\"\n\n");
    level.teaches = "a back\\slash";
    EXPECT_NE(levelMessages("05.level", level)
                  .find("teaches, shown under its title\n#: 05.level\n"
                        "msgid \"a back\\\\slash\"\n"),
              std::string::npos);
}

}  // namespace
}  // namespace nimbus
