// The checks of a recording: written and read back, and what each states.
#include "recording/state_check.h"

#include <gtest/gtest.h>

#include "platform/script/scripted_platform.h"
#include "recording/name_table.h"

namespace skyscrub::recording {
namespace {

std::size_t IndexOf(std::string_view name) {
  return static_cast<std::size_t>(NameTable::Get().Find(name) - NameTable::Get().All().data());
}

TEST(StateCheck, ReadsBackWhatItWrites) {
  const StateCheck checks[] = {
      {0, 0x0123456789abcdefull, true, {{IndexOf("lblLives.Caption"), R"("Lives: 3")"}, {IndexOf("speedY"), "-2.5"}}},
      {60, 0xffffffffffffffffull, false, {}},
      {120, 7, false, {{IndexOf("Label4.Caption"), R"("Game \"Paused\" now")"}, {IndexOf("player.Picture"), R"("shipRight")"}}},
  };
  for (const StateCheck& check : checks) {
    std::string error;
    const auto read = ParseCheck(FormatCheck(check), error);
    ASSERT_TRUE(read) << FormatCheck(check) << ": " << error;
    EXPECT_EQ(read->tick, check.tick);
    EXPECT_EQ(read->digest, check.digest);
    EXPECT_EQ(read->full, check.full);
    EXPECT_EQ(read->changed, check.changed) << FormatCheck(check);
  }
  EXPECT_EQ(FormatCheck(checks[1]), "60 ffffffffffffffff");
}

class RecordedStateTest : public ::testing::Test {
 protected:
  ScriptedPlatform system;
  GameWindow game{system.platform()};
  RecordedState writer;

  std::vector<std::string> NamesOf(const StateCheck& check) const {
    std::vector<std::string> names;
    for (const auto& [index, value] : check.changed) names.push_back(NameTable::Get().All()[index].name);
    return names;
  }
};

TEST_F(RecordedStateTest, StatesEverythingFirstThenWhatChangedSinceItWasLastStated) {
  const StateCheck first = writer.CheckOf(StateValues(game), 0, true);
  EXPECT_EQ(first.changed.size(), NameTable::Get().All().size());

  game.speedY = -2.5;
  game.player.Top = 200;
  const StateCheck light = writer.CheckOf(StateValues(game), 60, false);
  EXPECT_EQ(NamesOf(light), std::vector<std::string>{"speedY"}) << "element properties wait for a full check";
  EXPECT_NE(light.digest, first.digest) << "the digest covers them all the same";

  const StateCheck full = writer.CheckOf(StateValues(game), 120, true);
  EXPECT_EQ(NamesOf(full), std::vector<std::string>{"player.Top"});
  EXPECT_EQ(full.digest, light.digest);
}

TEST_F(RecordedStateTest, NamesTheValuesThatDifferFromWhatTheLastCheckStated) {
  RecordedState reader;
  reader.Take(writer.CheckOf(StateValues(game), 0, true));
  game.speedX = 1.5;
  game.player.Left = 10;
  const StateCheck light{60, 0, false, {}};
  EXPECT_EQ(reader.Differences(StateValues(game), light), std::vector<std::string>{"speedX is 1.5, recorded 0"});
  const StateCheck full{60, 0, true, {}};
  EXPECT_EQ(reader.Differences(StateValues(game), full),
            (std::vector<std::string>{"speedX is 1.5, recorded 0", "player.Left is 10, recorded 252"}));
}

}  // namespace
}  // namespace skyscrub::recording
