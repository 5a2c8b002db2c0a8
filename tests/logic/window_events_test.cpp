// The one table of the window's events and their delivery.
#include "game/window_events.h"

#include "support/game_fixture.h"

namespace skyscrub {
namespace {

TEST(WindowEventTable, EachEntryNamesItsOwnElementAndTimer) {
  ScriptedPlatform system;
  GameWindow game(system.platform());
  for (const ElementEvents& events : kElementEvents) {
    EXPECT_EQ(events.element(game).name, events.name);
    EXPECT_NE(events.mouseMove, nullptr) << events.name;
    EXPECT_EQ(ElementEventsNamed(events.name), ElementEventsOf(game, &events.element(game)));
  }
  const char* timers[] = {"Timer1", "Timer2", "Timer3"};
  for (std::size_t i = 0; i < kTimerEvents.size(); ++i) EXPECT_EQ((game.*kTimerEvents[i].timer).name, timers[i]);
  EXPECT_EQ(ElementEventsOf(game, &game.player), std::nullopt);
  EXPECT_EQ(ElementEventsNamed("Label10"), std::nullopt);
}

class Observed : public GameFixture, public EventObserver {
 protected:
  void Delivering(WindowEvent event) override { log.push_back({event, true, game.Timer1.Enabled}); }
  void Delivered(WindowEvent event) override { log.push_back({event, false, game.Timer1.Enabled}); }

  struct Seen {
    WindowEvent event;
    bool before;
    bool ticking;  // Timer1 enabled at that moment

    bool operator==(const Seen&) const = default;
  };
  std::vector<Seen> log;
  WindowEvents events{game, this};
};

TEST_F(Observed, TheObserverSeesEachEventAroundItsHandler) {
  Start();
  const auto start = static_cast<std::uint8_t>(*ElementEventsNamed("Label9"));
  EXPECT_TRUE(events.Deliver({WindowEvent::Kind::Click, start}));
  const WindowEvent click{WindowEvent::Kind::Click, start};
  EXPECT_EQ(log, (std::vector<Seen>{{click, true, false}, {click, false, true}}));
}

TEST_F(Observed, NothingIsDeliveredThatHasNoHandlerOrAfterTheEnd) {
  Start();
  const auto title = static_cast<std::uint8_t>(*ElementEventsNamed("Picture2"));
  EXPECT_FALSE(events.Deliver({WindowEvent::Kind::Click, title}));
  EXPECT_TRUE(events.Deliver({WindowEvent::Kind::Close}));
  EXPECT_TRUE(game.Ended());
  log.clear();
  EXPECT_FALSE(events.Deliver(TimerEvent(2)));
  EXPECT_FALSE(events.Deliver({WindowEvent::Kind::Close}));
  EXPECT_TRUE(log.empty());
}

}  // namespace
}  // namespace skyscrub
