// A frame draws again only where something visible changed, and what it draws there is exactly
// what drawing the whole scene afresh shows.
#include "platform/sdl_common/screen_damage.h"

#include <SDL_ttf.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/sdl_common/window_painter.h"
#include "support/game_fixture.h"
#include "support/sdl_rects.h"

namespace skyscrub::sdl {

namespace {

constexpr SDL_Rect kWindow{0, 0, 800, 600};

// A software surface of the window's size with the game's renderer drawing into it.
struct Target {
  Target() : surface(SDL_CreateRGBSurfaceWithFormat(0, 800, 600, 32, SDL_PIXELFORMAT_RGB888)),
             renderer(SDL_CreateSoftwareRenderer(surface)) {
    scene.emplace(renderer);
  }
  ~Target() {
    scene.reset();  // its textures go before their renderer
    SDL_DestroyRenderer(renderer);
    SDL_FreeSurface(surface);
  }
  // The colours of every pixel (the pixel format's unused byte is left out).
  bool SamePixelsAs(const Target& other) const {
    for (int y = 0; y < surface->h; ++y) {
      const auto* mine = reinterpret_cast<const std::uint32_t*>(static_cast<const std::uint8_t*>(surface->pixels) + y * surface->pitch);
      const auto* theirs = reinterpret_cast<const std::uint32_t*>(static_cast<const std::uint8_t*>(other.surface->pixels) + y * other.surface->pitch);
      for (int x = 0; x < surface->w; ++x) {
        if ((mine[x] ^ theirs[x]) & 0x00FFFFFFu) return false;
      }
    }
    return true;
  }
  SDL_Surface* surface;
  SDL_Renderer* renderer;
  std::optional<SceneRenderer> scene;
};

class Damage : public GameFixture {
 protected:
  static void SetUpTestSuite() { TTF_Init(); }
  static void TearDownTestSuite() { TTF_Quit(); }

  void SetUp() override {
    StartGame();
    Redraw();  // the first frame is the whole window
  }

  // Draws what changed into the piecewise target, and the whole scene afresh into the other.
  std::vector<SDL_Rect> Redraw() {
    const std::vector<SDL_Rect> changed = DrawChanges(*piecewise.scene, damage, game);
    SDL_RenderFlush(piecewise.renderer);
    SDL_FillRect(whole.surface, nullptr, SDL_MapRGB(whole.surface->format, 255, 0, 255));
    whole.scene->Draw(game);
    SDL_RenderFlush(whole.renderer);
    return changed;
  }

  static std::int64_t AreaOf(const std::vector<SDL_Rect>& rects) {
    std::int64_t area = 0;
    for (const SDL_Rect& r : rects) area += std::int64_t{r.w} * r.h;
    return area;
  }

  Target piecewise, whole;
  ScreenDamage damage;
};

struct Edit {
  std::string what;
  std::function<void(GameWindow&)> apply;
};

TEST_F(Damage, EveryVisibleChangeIsRedrawnWhereItWasAndWhereItIs) {
  const Edit edits[] = {
      {"ship moved half a pixel", [](GameWindow& g) { g.player.Left = g.player.Left + 0.5f; }},
      {"ship moved far", [](GameWindow& g) { g.player.Left = g.player.Left + 300; }},
      {"ship turned", [](GameWindow& g) { g.player.TakePicture(g.ShipLeft); }},
      {"bar lengthened", [](GameWindow& g) { g.killbar.Width = 40; }},
      {"bar shrunk", [](GameWindow& g) { g.killbar.Width = 3; }},
      {"bar recoloured", [](GameWindow& g) { g.Shield.BackColor = colours::kRed; }},
      {"caption changed", [](GameWindow& g) { g.lblLives.Caption = "Lives: 2"; }},
      {"caption recoloured", [](GameWindow& g) { g.Label10.ForeColor = colours::kRed; }},
      {"molecule shown", [](GameWindow& g) { g.CO2[15].Visible = true; }},
      {"molecule stretched", [](GameWindow& g) { g.CO2[15].Width = 60; g.CO2[15].Height = 60; }},
      {"molecule hidden", [](GameWindow& g) { g.CO2[15].Visible = false; }},
      {"panel shown over sprites", [](GameWindow& g) { g.PauseScreen.Visible = true; }},
      {"caption of a shown panel", [](GameWindow& g) { g.Label4.Caption = "Paused"; }},
      {"panel hidden", [](GameWindow& g) { g.PauseScreen.Visible = false; }},
      {"canvas picture gone", [](GameWindow& g) { g.Form1.picture = nullptr; }},
      {"canvas colour", [](GameWindow& g) { g.Form1.BackColor = colours::kRed; }},
  };
  for (const Edit& edit : edits) {
    edit.apply(game);
    EXPECT_FALSE(Redraw().empty()) << edit.what << ": nothing redrawn";
    EXPECT_TRUE(piecewise.SamePixelsAs(whole)) << edit.what << ": the frame differs from one drawn whole";
  }
}

TEST_F(Damage, NothingIsRedrawnWhenNothingVisibleChanged) {
  const Edit edits[] = {
      {"nothing", [](GameWindow&) {}},
      {"hidden sprite moved", [](GameWindow& g) { g.CO2[19].Left = 5; }},
      {"caption on the hidden instructions", [](GameWindow& g) { g.Label9.ForeColor = colours::kRed; }},
      {"a variable", [](GameWindow& g) { g.gasCount = 7; }},
      {"ship set to where it is", [](GameWindow& g) { g.player.Left = g.player.Left + 0; }},
  };
  for (const Edit& edit : edits) {
    edit.apply(game);
    EXPECT_TRUE(Redraw().empty()) << edit.what;
  }
}

TEST_F(Damage, AMovingShipRedrawsOnlyAroundItsTwoPlaces) {
  const float left = game.player.Left, top = game.player.Top;
  game.player.Left = left + 200;
  const std::vector<SDL_Rect> changed = Redraw();
  EXPECT_LE(AreaOf(changed), 2 * 36 * 36);
  const SDL_Point oldCorner{static_cast<int>(left), static_cast<int>(top)};
  const SDL_Point newCorner{static_cast<int>(left) + 200 + 31, static_cast<int>(top) + 31};
  for (const SDL_Point& corner : {oldCorner, newCorner}) {
    bool covered = false;
    for (const SDL_Rect& r : changed) covered = covered || SDL_PointInRect(&corner, &r);
    EXPECT_TRUE(covered) << corner.x << ", " << corner.y;
  }
}

// Whatever a game does from frame to frame, drawing only what changed leaves the same pixels
// as drawing everything.
TEST_F(Damage, AGameDrawnPieceByPieceLooksLikeOneDrawnWhole) {
  Hold({Key::Z, Key::Right, Key::Up});
  std::int64_t drawn = 0;
  for (int frame = 0; frame < 400 && game.Timer1.Enabled; ++frame) {
    if (frame == 200) Hold({Key::Z, Key::Left});
    Tick(2);
    drawn += AreaOf(Redraw());
    ASSERT_TRUE(piecewise.SamePixelsAs(whole)) << "frame " << frame;
  }
  EXPECT_LT(drawn, 400 * std::int64_t{800 * 600} / 4) << "most of each frame was drawn again";
}

struct JoinCase {
  std::string what;
  std::vector<SDL_Rect> rects;
  std::vector<SDL_Rect> joined;
};

TEST(JoinRects, JoinsWhatOverlapsOrNearlyTouchesAndKeepsTheRestApart) {
  const JoinCase cases[] = {
      {"none", {}, {}},
      {"one", {{10, 10, 20, 20}}, {{10, 10, 20, 20}}},
      {"empty ones vanish", {{10, 10, 0, 20}, {5, 5, 4, 0}}, {}},
      {"overlapping", {{10, 10, 20, 20}, {20, 20, 20, 20}}, {{10, 10, 30, 30}}},
      {"a few pixels apart", {{10, 10, 20, 20}, {34, 10, 20, 20}}, {{10, 10, 44, 20}}},
      {"far apart", {{10, 10, 20, 20}, {400, 300, 20, 20}}, {{10, 10, 20, 20}, {400, 300, 20, 20}}},
      {"a join that meets a third", {{0, 0, 10, 10}, {100, 0, 10, 10}, {5, 0, 100, 10}}, {{0, 0, 110, 10}}},
      {"cut to the window", {{-10, 590, 30, 30}, {900, 10, 5, 5}}, {{0, 590, 20, 10}}},
      {"most of the window", {{0, 0, 800, 200}, {0, 400, 800, 200}}, {kWindow}},
  };
  for (const JoinCase& c : cases) EXPECT_EQ(JoinRects(c.rects, kWindow), c.joined) << c.what;
}

}  // namespace
}  // namespace skyscrub::sdl
