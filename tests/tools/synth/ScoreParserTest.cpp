#include <gtest/gtest.h>

#include <string>

#include "ScoreParser.h"
#include "support/LogCapture.h"

using namespace nimbus;

namespace {

// A tiny instrument most cases build on.
const std::string kTone = "instrument tone\n  osc sine\nend\n";

bool parse(const std::string& text, Song& song) { return parseScore(text, "test.score", song); }

// A pattern of the tiny instrument and the start of a section, for mistakes further on.
const std::string kPattern = kTone + "pattern p tone\n  c4\nend\nsection s ";

TEST(ScoreParser, EveryMistakeStopsWithOneLineNamingFileAndLine) {
    const std::tuple<std::string, int, const char*> cases[] = {
        {"tempo 120\nvolume 3\n", 2, "unknown word \"volume\""},
        {"tempo 1000\n", 1, "outside"},
        {"tempo fast\n", 1, "not a number"},
        {"meter 3.5\n", 1, "not a whole number"},
        {kPattern + "1\n  p transpose 0.5\nend\n", 8, "not a whole number"},
        {"instrument a\n  osc sine\n  envelope 0.01 0.1\nend\n", 3, "takes 4 values"},
        {"instrument a\n  osc sine\n", 1, "no \"end\""},
        {"instrument a\nend\n", 2, "has no \"osc\""},
        {"instrument a\n  osc buzz\nend\n", 2, "unknown wave"},
        {"instrument a\n  osc sine\n  envelope 0.01 0 0 0.1\nend\n", 3, "needs a decay"},
        {"pattern p nobody\nend\n", 1, "unknown instrument"},
        {kTone + "pattern p tone\n  c4 h4\nend\n", 5, "\"h4\" is not a pitch"},
        {kTone + "pattern p tone\nend\n", 5, "is empty"},
        {kTone + "pattern p tone\n  c4:0\nend\n", 5, "bad length"},
        {kPattern + "1\n  q\nend\nsong s\n", 8, "unknown pattern \"q\""},
        {kPattern + "1\n  p\nend\n\nsong s t\n", 11, "unknown section \"t\""},
        {kTone + "pattern p tone\n  g9\nend\nsection s 1\n  p transpose 12\nend\nsong s\n", 10,
         "outside the keyboard"},
        {kPattern + "500\n  p\nend\nsong s s s s\n", 10, "longer than 15 minutes"},
        {kTone, 3, "no \"song\""}};
    for (const auto& [score, line, says] : cases) {
        LogCapture log;
        Song song;
        EXPECT_FALSE(parse(score, song)) << score;
        ASSERT_EQ(log.lines().size(), 1u) << score;
        EXPECT_TRUE(log.saw({("test.score:" + std::to_string(line) + ": ").c_str(), says})) << log.all();
    }
    LogCapture log;
    Song song;
    EXPECT_FALSE(readScore("/nonexistent/Move.score", song));
    EXPECT_TRUE(log.lines().size() == 1 && log.saw({"/nonexistent/Move.score"}));
}

}  // namespace
