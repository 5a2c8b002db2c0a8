// The soak's rules catch each kind of broken state.
#include "tests/trace/soak/soak_invariants.h"

#include <gtest/gtest.h>

#include <sstream>

#include "tools/trace/script_session.h"

namespace skyscrub::soak {
namespace {

struct BrokenCase {
  std::string poke;  // a trace `set` line
  std::string rule;  // part of the description
};

void PrintTo(const BrokenCase& c, std::ostream* os) { *os << c.poke; }

class SoakInvariants : public ::testing::TestWithParam<BrokenCase> {
 protected:
  std::ostringstream out;
  trace::Session session{out};
  GameContext context{true, 350, 120};

  void SetUp() override {
    for (const char* line : {"seed 5", "settings 10 1 1", "load", "click Label7", "click Label9", "keys Z,Up", "tick 40"}) {
      ASSERT_FALSE(session.Execute(line)) << line;
    }
  }
};

TEST_F(SoakInvariants, HoldInAFreshGame) { EXPECT_EQ(BrokenInvariant(session.game, context), std::nullopt); }

TEST_P(SoakInvariants, NameTheBrokenRule) {
  ASSERT_FALSE(session.Execute(GetParam().poke));
  const auto broken = BrokenInvariant(session.game, context);
  ASSERT_TRUE(broken.has_value());
  EXPECT_NE(broken->find(GetParam().rule), std::string::npos) << *broken;
}

INSTANTIATE_TEST_SUITE_P(
    Pokes, SoakInvariants,
    ::testing::Values(BrokenCase{"set cfcTimer 352", "cfcTimer = 352, outside 0..351"},
                      BrokenCase{"set gasTimer -1", "gasTimer"}, BrokenCase{"set soundHold 14", "soundHold"},
                      BrokenCase{"set gameOverTimer 182", "gameOverTimer"}, BrokenCase{"set animTick 12", "animTick"},
                      BrokenCase{"set uvIndex 4", "uvIndex"}, BrokenCase{"set reloadTicks 9", "reloadTicks"},
                      BrokenCase{"set reloadTicks -2", "reloadTicks"}, BrokenCase{"set lives 4", "lives"},
                      BrokenCase{"set power.Width 126.5", "power.Width"}, BrokenCase{"set Shield.Width 125.5", "Shield"},
                      BrokenCase{"set Shield.Width 28", "not a level strikes leave"},
                      BrokenCase{"set Shield.Width 100", "not a level strikes leave"},
                      BrokenCase{"set gasDestroyed 320", "gasDestroyed = 320, outside 0..319"},
                      BrokenCase{"set killbar.Width -0.1", "killbar"}, BrokenCase{"set killbar.Width 5", "not the bar of"},
                      BrokenCase{"set Temp1.Width 13.5", "Temp1.Width"}, BrokenCase{"set Temp1.Width 117", "Temp1.Width"},
                      BrokenCase{"set canFire 1", "Boolean"},
                      BrokenCase{"set speedY inf", "not finite"}, BrokenCase{"set gasCount 8", "gasCount = 8 but 9"},
                      BrokenCase{"set CO2(19).Visible true", "but 10 CO2 slots"},
                      BrokenCase{"set Timer2.Enabled true", "Timer2 on"},
                      BrokenCase{"set Timer1.Enabled false", "Timer1 off"},
                      BrokenCase{"set Timer3.Enabled true", "Timer3 on"}));

}  // namespace
}  // namespace skyscrub::soak
