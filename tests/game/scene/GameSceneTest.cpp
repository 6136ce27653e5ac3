#include "core/math/Color.h"
#include "game/rules/GameCommand.h"
#include "game/rules/PickupKind.h"
#include "game/scene/Backdrop.h"
#include "game/scene/ColorSymbols.h"
#include "game/scene/GameScene.h"
#include "render/ViewSize.h"
#include "support/RecordingRenderer.h"
#include "support/SceneTest.h"
#include "support/ScreenTest.h"

using namespace nimbus;

namespace {

Vector3 tileCentre(int x, int y) { return {x + 0.5f, 0.0f, y + 0.5f}; }

// The colour's lit channels are bright and well above the others (a gloss lifts those a little).
::testing::AssertionResult shows(uint32_t pixel, const Color& color) {
    const int channels[3] = {red(pixel), green(pixel), blue(pixel)};
    int litLow = 255, darkHigh = 0;
    for (int i = 0; i < 3; ++i) {
        if (color.e[i] > 0.5f)
            litLow = std::min(litLow, channels[i]);
        else
            darkHigh = std::max(darkHigh, channels[i]);
    }
    if (litLow >= 110 && litLow - darkHigh > 70) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << std::hex << pixel << " is not " << color.e[0] << " " << color.e[1] << " " << color.e[2];
}

using GameScene = SceneTest;

int colorDistance(uint32_t a, uint32_t b) {
    return std::abs(red(a) - red(b)) + std::abs(green(a) - green(b)) + std::abs(blue(a) - blue(b));
}

// The goal's chequer tells it from White; a visited tile is at a quarter of its brightness,
// an eighth while paused, still well apart from Black.
TEST_F(GameScene, TilesShowTheirColoursAndVisitedOnesAreDarkerStillWhilePaused) {
    start({"BBBBBBB", "B0123WG", "B45WWSB", "BBBBBBB"});
    ASSERT_TRUE(game_->execute(GameCommand(kCommandRollMinusX)));
    game_->update(1.0f);
    ASSERT_TRUE(game_->board()->tileAt({4, 2}).visited);
    game_->setHidden(true);
    drawFrame();
    for (int c = 0; c < 6; ++c)
        EXPECT_TRUE(shows(pixelOf(tileCentre(c < 4 ? c + 1 : c - 3, c < 4 ? 1 : 2)), asColor(c)))
            << tileColorName(c);
    const int white = brightest(pixelOf(tileCentre(5, 1)));
    EXPECT_TRUE(shows(pixelOf(tileCentre(3, 2)), asColor(kWhite)));
    const int light = brightest(pixelOf({6.375f, 0.0f, 1.375f})),
              dark = brightest(pixelOf({6.625f, 0.0f, 1.375f}));
    EXPECT_GT(std::max(light, dark), 2 * std::min(light, dark)) << light << " and " << dark;
    EXPECT_NEAR(brightest(pixelOf(tileCentre(4, 2))), white * 0.25f, white * 0.06f);
    EXPECT_GT(brightest(pixelOf(tileCentre(4, 2))), 2 * brightest(pixelOf(tileCentre(0, 2))))
        << "a walked White path looks like Black tiles no die may enter";
    game_->setPaused(true);
    drawFrame();
    EXPECT_NEAR(brightest(pixelOf(tileCentre(4, 2))), white * 0.125f, white * 0.04f);
    EXPECT_NEAR(brightest(pixelOf(tileCentre(5, 1))), white * 0.5f, white * 0.08f);
}

TEST_F(GameScene, APickupFloatsOverTheMiddleOfItsTile) {
    uint32_t seen[2];
    for (const int32_t kind : {kPickupNone, kPickupExtraLife}) {
        start({"BBBBB", "BWSWB", "BBBBB"}, {}, {{{3, 1}, kind}});
        game_->setHidden(true);
        drawFrame();
        seen[kind != kPickupNone] = pixelOf({3.5f, 0.6f, 1.5f});
    }
    EXPECT_GT(colorDistance(seen[0], seen[1]), 60) << std::hex << seen[0] << " " << seen[1];
}

// The die shows Red to x - 1, Green to x + 1, Blue to y - 1, Yellow to y + 1; around it Red
// (enterable), Red (not by Green), a fallen Blue and White (takes every face). An inner tile
// is gone a second after its fall time; a border tile never falls.
TEST_F(GameScene, ArrowsPointOnlyToStandingTilesTheFacingSideMayEnterAndFallenTilesAreGone) {
    start({"B1BBB", "BW2WB", "B0S0B", "BWWWB", "BBBBB"}, {{2, 1}, {1, 0}});
    game_->update(3.0f);  // past the fall and at a moment the arrows do not bob
    const float probes[4][2] = {{1.35f, 2.5f}, {3.65f, 2.5f}, {2.5f, 1.35f}, {2.5f, 3.65f}};
    const bool arrow[4] = {true, false, false, true};
    uint32_t seen[2][4];
    for (bool die : {false, true}) {
        game_->setHidden(!die);
        drawFrame();
        for (int d = 0; d < 4; ++d) seen[die][d] = pixelOf({probes[d][0], 0.25f, probes[d][1]});
        EXPECT_TRUE(die || (!shows(pixelOf(tileCentre(2, 1)), asColor(kBlue)) &&
                            shows(pixelOf(tileCentre(1, 0)), asColor(kGreen))));
    }
    for (int d = 0; d < 4; ++d) {
        EXPECT_EQ(colorDistance(seen[0][d], seen[1][d]) > 60, arrow[d])
            << "direction " << d << std::hex << ": " << seen[0][d] << " to " << seen[1][d];
    }
}

TEST_F(GameScene, TheDiesTopFaceShowsTheColourOnTopAndTheCameraFollowsTheDie) {
    start({"BBBBB", "BWWWB", "BWS1B", "BWWWB", "BBBBB"});
    drawFrame();
    // Between the pips, a little off the middle of the face.
    EXPECT_TRUE(shows(pixelOf({2.5f, 1.0f, 2.8f}), asColor(kMagenta)));
    ASSERT_TRUE(game_->execute(GameCommand(kCommandRollPlusX)));
    game_->update(1.0f);
    drawFrame();
    EXPECT_TRUE(shows(pixelOf({3.5f, 1.0f, 2.8f}), asColor(kRed)));
    // The camera follows the die across the board and along it: the die stays in place.
    const auto onScreen = [&](float x, float y) {
        const Vector4 clip = Vector4(Vector3(x + 0.5f, 0.5f, y + 0.5f), 1.0f) * camera_.viewProjection;
        return Vector2(clip.x / clip.w, clip.y / clip.w);
    };
    const Vector2 before = onScreen(3, 2);
    ASSERT_TRUE(game_->execute(GameCommand(kCommandRollPlusY)));
    game_->update(1.0f);
    drawFrame();
    EXPECT_NEAR(onScreen(3, 3).x, before.x, 1e-3f);
    EXPECT_NEAR(onScreen(3, 3).y, before.y, 1e-3f);
}

// The point of a tile's top face where its symbol's cell has (u, v): (0, 0) is the
// cell's corner at the upper left as the camera sees it, the cell spans 0.85 of a tile.
Vector3 onSymbol(int x, int y, float u, float v) {
    const float right = (u - 0.5f) * 0.85f, away = (0.5f - v) * 0.85f;
    return {x + 0.5f - 0.902f * right + 0.434f * away, 0.0f, y + 0.5f + 0.434f * right + 0.902f * away};
}

bool whitish(uint32_t pixel) { return std::min({red(pixel), green(pixel), blue(pixel)}) >= 170; }

// With symbols on, a pixel inside a colour's shape turns white and one beside the triangle
// (which a turned or shifted symbol would cover) looks as with them off; none on Start.
// Frames: without the die, with it at the start, rolled once towards +x.
TEST_F(GameScene, EachDieColourShowsItsSymbolOnItsTilesAndOnTheDieOnlyWhileSymbolsAreOn) {
    struct SymbolsOff {
        ~SymbolsOff() { showColorSymbols(false); }
    } restore;
    // The frame, the point and whether it lies inside a shape.
    const std::tuple<int, Vector3, bool> probes[] = {
        {0, onSymbol(1, 1, 0.5f, 0.5f), true},       // Red, a disc
        {0, onSymbol(2, 1, 0.5f, 0.5f), true},       // Green, a triangle
        {0, onSymbol(2, 1, 0.25f, 0.45f), false},    // beside its left side
        {0, onSymbol(3, 1, 0.5f, 0.5f), true},       // Blue, a square
        {0, onSymbol(4, 1, 0.5f, 0.5f), true},       // Yellow, a star
        {0, onSymbol(1, 2, 0.5f, 0.5f), true},       // Cyan, a cross
        {0, onSymbol(2, 2, 0.3f, 0.5f), true},       // Magenta, a crescent open to the right
        {0, onSymbol(5, 1, 0.771f, 0.656f), false},  // Start, where a disc would have its rim
        {1, {5.5f, 1.0f, 1.5f}, false},              // the die's top, Magenta: the crescent's open middle
        {2, {6.5f, 1.0f, 1.65f}, true},              // Red on top: inside the disc, beside the pip
    };
    uint32_t seen[2][std::size(probes)];
    for (bool on : {false, true}) {
        showColorSymbols(on);
        start({"BBBBBBBB", "B0123S1B", "B45WWWWB", "BBBBBBBB"});
        for (int frame = 0; frame < 3; ++frame) {
            game_->setHidden(frame == 0);
            if (frame == 2) {
                ASSERT_TRUE(game_->execute(GameCommand(kCommandRollPlusX)));
                game_->update(1.0f);
            }
            drawFrame();
            for (size_t i = 0; i < std::size(probes); ++i) {
                if (std::get<0>(probes[i]) == frame) seen[on][i] = pixelOf(std::get<1>(probes[i]));
            }
        }
    }
    for (size_t i = 0; i < std::size(probes); ++i) {
        const uint32_t off = seen[0][i], on = seen[1][i];
        EXPECT_TRUE(std::get<2>(probes[i]) ? !whitish(off) && whitish(on) : colorDistance(on, off) < 30)
            << "probe " << i << std::hex << ": " << off << " to " << on;
    }
}

TEST_F(GameScene, TheHudShowsOneHeartPerLife) {
    start({"BBBBB", "BWSWB", "BBBBB"});
    for (int lives : {2, 3}) {
        stats_.lives = lives;
        drawFrame();
        for (int i = 0; i < 4; ++i) {
            const uint32_t c = guiPixel(-1.17f + 0.176f * i, -0.82f);
            EXPECT_EQ(red(c) - green(c) > 60, i < lives)
                << lives << " lives, icon " << i << std::hex << ": " << c;
        }
    }
}

// The backdrop repeats as on an 800 x 600 screen at two pixels a texel, neither mirrored nor turned.
TEST_F(GameScene, TheBackdropShowsFourHundredTexelsAcrossTheView) {
    start({"BBB", "BSB", "BBB"});
    RecordingRenderer recorder;
    drawGame(*game_, kViewMin, kViewMax, camera_, recorder);
    const ScreenVertex* corners = recorder.added.at(0).quad.corners;
    const float width = game_->backdrop()->getWidth(), height = game_->backdrop()->getHeight();
    // Across along the bottom and the top, up along the left and the right.
    for (const auto& [from, to] : {std::pair(0, 1), std::pair(3, 2)})
        EXPECT_NEAR((corners[to].u - corners[from].u) * width, 400.0f, 0.01f) << from;
    for (const auto& [from, to] : {std::pair(0, 3), std::pair(1, 2)})
        EXPECT_NEAR((corners[to].v - corners[from].v) * height, 300.0f, 0.01f) << from;
}

// A window wider than the view, as a wide full screen gives: the view sits in the middle
// (768 x 576 from x = 128), the backdrop fills the bands beside it, the GUI stays inside.
class WideScreen : public ScreenTest {
protected:
    static void SetUpTestSuite() { openScreen(1024, 576); }
};

constexpr uint32_t kRedPixel = rgba(255, 0, 0, 255);
constexpr float kUv[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};

}  // namespace

TEST_F(WideScreen, TheBackdropFillsTheBandsWithItsTextureRunningOnAndAQuadOverTheViewStaysInIt) {
    const ResourceHandle<Texture> white(solidTexture(255, 255, 255, 255));
    // Clipped to a window that fills the view, as the GUI clips the menus' backdrop.
    renderer_->pushClipRect({-1.33335f, -1.0f}, {1.33335f, 1.0f});
    drawBackdrop(*renderer_, white, kViewAspect, kUv, 1.0f);
    renderer_->popClipRect();
    const int bands[] = {2, 1021};
    for (int x : bands) EXPECT_GT(brightest(pixel(x, 288)), 100) << "no backdrop at x = " << x;
    renderer_->addQuad(quad(-kViewAspect, -1.0f, kViewAspect, 1.0f, 1, 0, 0), white, false);
    renderer_->flush();
    EXPECT_TRUE(sameColor(pixel(512, 288), kRedPixel));
    for (int x : bands)
        EXPECT_FALSE(sameColor(pixel(x, 288), kRedPixel)) << "the view spilt over at x = " << x;
    // Each band, a sixth of the view's width, shows a sixth of the texture more.
    RecordingRenderer recorder;
    drawBackdrop(recorder, ResourceHandle<Texture>(), kViewAspect, kUv, 1.0f);
    ASSERT_EQ(recorder.added.size(), 1u);
    const ScreenVertex* corners = recorder.added[0].quad.corners;
    EXPECT_NEAR(corners[0].u, -1.0f / 6.0f, 1e-5f);
    EXPECT_NEAR(corners[1].u, 7.0f / 6.0f, 1e-5f);
    EXPECT_NEAR(corners[2].v, 1.0f, 1e-5f);
}
