#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <string>
#include <vector>

#include "ScoreParser.h"
#include "support/LogCapture.h"

using namespace nimbus;

namespace {

// A tiny instrument most cases build on.
const std::string kTone = "instrument tone\n  osc sine\nend\n";

bool parse(const std::string& text, Song& song) { return parseScore(text, "test.score", song); }

// One value of every note, in order.
std::vector<double> each(const Song& song, double NoteEvent::*value) {
    std::vector<double> out;
    for (const NoteEvent& note : song.notes) out.push_back(note.*value);
    return out;
}

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

TEST(ScoreParser, SharpsFlatsChordsAndCommentsAreReadAsWritten) {
    Song song;
    ASSERT_TRUE(parse(kTone + "pattern p tone   # a comment after a statement\n"
                              "  f#3 bb3 c4+e4+g4 a4 # c5 d5 are commented out\n"
                              "end\n"
                              "section s 1\n  p\nend\nsong s\n",
                      song));
    EXPECT_EQ(each(song, &NoteEvent::pitch), (std::vector<double>{54, 58, 60, 64, 67, 69}));
}

TEST(ScoreParser, PatternsRepeatInsideTheirSectionAndSectionsFollowInTime) {
    Song song;
    ASSERT_TRUE(parse("tempo 120\nmeter 3\n" + kTone +
                          "instrument drum\n  osc noise\n  gate 0.5\n  note d2\nend\n"
                          "pattern line tone\n  c4:2 r:1/2 d4@0.4 e4\nend\n"
                          "pattern beat drum\n  x:3/2 x\nend\n"
                          "section one 1\n  line\nend\n"
                          "section two 2\n  beat gain 0.5\n  line on drum transpose -12\nend\n"
                          "song one two\n",
                      song));
    // A beat is half a second and a bar three beats; "two" starts at 1.5 s. A pattern is
    // cut where its section ends, and the held time is the instrument's share (gate).
    // start, held, pitch, velocity, instrument
    const std::tuple<double, double, double, double, int> expected[] = {
        {0.0, 1.0, 60, 0.8, 0},    {1.25, 0.25, 62, 0.4, 0},  // e4 would start on the next bar
        {1.5, 0.375, 38, 0.4, 1},  {2.25, 0.375, 38, 0.4, 1}, {3.0, 0.375, 38, 0.4, 1},
        {3.75, 0.375, 38, 0.4, 1}, {1.5, 0.5, 48, 0.8, 1},    {2.75, 0.125, 50, 0.4, 1},
        {3.0, 0.125, 52, 0.8, 1},  {3.25, 0.5, 48, 0.8, 1},  // the second round: its d4 is cut
    };
    ASSERT_EQ(song.notes.size(), std::size(expected));
    for (size_t i = 0; i < song.notes.size(); ++i) {
        const NoteEvent& n = song.notes[i];
        const auto [start, held, pitch, velocity, instrument] = expected[i];
        EXPECT_NEAR(std::abs(n.start - start) + std::abs(n.held - held) + std::abs(n.velocity - velocity),
                    0.0, 1e-12)
            << i;
        EXPECT_EQ(std::make_pair(double(n.pitch), n.instrument), std::make_pair(pitch, instrument)) << i;
    }
}

TEST(ScoreParser, ScatteredHitsAreSeededAndStayInsideTheirSpan) {
    const std::string score = kTone +
                              "pattern dust tone\n  scatter 40 2 c5 c6 1 0.1\n  r:2\nend\n"
                              "section s 1\n  dust\nend\nsong s\n";
    Song first, second, other;
    ASSERT_TRUE(parse("seed 5\n" + score, first));
    ASSERT_TRUE(parse("seed 5\n" + score, second));
    ASSERT_TRUE(parse("seed 6\n" + score, other));
    ASSERT_EQ(first.notes.size(), 40u);
    EXPECT_EQ(each(first, &NoteEvent::start), each(second, &NoteEvent::start));
    EXPECT_NE(each(first, &NoteEvent::start), each(other, &NoteEvent::start));
    for (size_t i = 0; i < first.notes.size(); ++i) {
        const NoteEvent& note = first.notes[i];
        // Two beats at 120 per minute, in order.
        EXPECT_TRUE(note.start >= (i ? first.notes[i - 1].start : 0.0) && note.start < 1.0) << i;
        EXPECT_TRUE(note.pitch >= 72 && note.pitch <= 84 && note.velocity > 0.0 && note.velocity <= 1.0) << i;
    }
}

TEST(ScoreParser, HumanizingNudgesNotesWithinItsBounds) {
    const std::string score = kTone + "pattern p tone\n  c4:1/4\nend\nsection s 4\n  p\nend\nsong s\n";
    Song plain, loose;
    ASSERT_TRUE(parse(score, plain));
    ASSERT_TRUE(parse("humanize 0.01 0.2\n" + score, loose));
    ASSERT_EQ(plain.notes.size(), loose.notes.size());
    EXPECT_NE(each(plain, &NoteEvent::start), each(loose, &NoteEvent::start));
    for (size_t i = 0; i < plain.notes.size(); ++i) {
        EXPECT_LE(std::abs(loose.notes[i].start - plain.notes[i].start), 0.01 + 1e-12);
        EXPECT_GE(loose.notes[i].start, 0.0);
        EXPECT_LE(std::abs(loose.notes[i].velocity / plain.notes[i].velocity - 1.0), 0.2 + 1e-12);
    }
}

}  // namespace
