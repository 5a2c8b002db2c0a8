// The one table of names: every variable and element property, read and written by name.
#include "recording/name_table.h"

#include <gtest/gtest.h>

#include <set>

#include "platform/script/scripted_platform.h"

namespace skyscrub::recording {
namespace {

class NameTableTest : public ::testing::Test {
 protected:
  ScriptedPlatform system;
  GameWindow game{system.platform()};
  const NameTable& names = NameTable::Get();

  std::string Read(std::string_view name) {
    const NamedValue* value = names.Find(name);
    return value ? value->read(game) : "<no such name>";
  }
  bool Write(std::string_view name, std::string_view text) {
    const NamedValue* value = names.Find(name);
    return value && value->write(game, text);
  }
};

TEST_F(NameTableTest, NamesAreUniqueAndEveryValueReadsBackWhatItWrites) {
  game.Form_Load();
  game.Form_Activate();
  std::set<std::string> seen;
  for (const NamedValue& value : names.All()) {
    EXPECT_TRUE(seen.insert(value.name).second) << value.name;
    const std::string text = value.read(game);
    EXPECT_TRUE(value.write(game, text)) << value.name << " = " << text;
    EXPECT_EQ(value.read(game), text) << value.name;
  }
}

TEST_F(NameTableTest, CoversVariablesArraysAndPropertiesOfEveryKind) {
  for (const char* name :
       {"gasCount", "gasDestroyed", "quotaReached", "speedY", "uvStepX(2)", "gasGrowing(19)", "bulletSpeed(6)",
        "cfcDrift(0)", "uvStepY(0)", "CO2(19).Visible", "player.Top", "player.Picture", "Ozone(24).Picture",
        "Xplode(2).Width", "lblLives.Caption", "Label7.ForeColor", "killbar.BackColor", "PauseScreen.BackColor",
        "Picture2.Picture", "picCH4.Visible", "Timer1.Interval", "Timer3.Enabled", "Form1.Picture"}) {
    EXPECT_NE(names.Find(name), nullptr) << name;
  }
  for (const char* name : {"uvStepX(3)", "CO2(20).Visible", "CO2.Visible", "player.Caption", "Label7.Picture",
                           "killbar.Picture", "Timer4.Enabled", "gascount", ""}) {
    EXPECT_EQ(names.Find(name), nullptr) << name;
  }
}

TEST_F(NameTableTest, WritesReachTheGame) {
  ASSERT_TRUE(Write("CO2(4).Picture", "picCH4"));
  EXPECT_TRUE(game.CO2[4].Shows(game.picCH4));
  ASSERT_TRUE(Write("player.Top", "540.1"));
  EXPECT_EQ(game.player.Top, 540.1f);
  ASSERT_TRUE(Write("cfcDrift(1)", "-0.5"));
  EXPECT_EQ(game.cfcDrift[1], -0.5);
  ASSERT_TRUE(Write("CO2(3).Visible", "1"));
  EXPECT_TRUE(game.CO2[3].Visible);
  ASSERT_TRUE(Write("quotaReached", "true"));
  EXPECT_EQ(game.quotaReached, kTrue);
  ASSERT_TRUE(Write("quotaReached", "0"));
  EXPECT_EQ(game.quotaReached, kFalse);
  ASSERT_TRUE(Write("canFire", "1"));  // not a Boolean value: kept as it is, to replay a fault
  EXPECT_EQ(game.canFire, 1);
  ASSERT_TRUE(Write("lblLives.Caption", "\"Lives: 2\""));
  EXPECT_EQ(game.lblLives.Caption, "Lives: 2");
  ASSERT_TRUE(Write("Label9.ForeColor", "&HFF"));
  EXPECT_EQ(game.Label9.ForeColor, colours::kRed);
  ASSERT_TRUE(Write("gasDestroyed", "299"));
  EXPECT_EQ(game.gasDestroyed, 299);
}

TEST_F(NameTableTest, PrintsAsJson) {
  game.Form_Load();
  game.Form_Activate();
  EXPECT_EQ(Read("lblLives.Caption"), "\"Lives: 3\"");
  EXPECT_EQ(Read("killbar.Width"), "0.3");
  EXPECT_EQ(Read("Picture2.Picture"), "\"Image8\"");
  EXPECT_EQ(Read("CO2(0).Picture"), "\"picCO2\"");
  EXPECT_EQ(Read("Label7.ForeColor"), "16777215");
  EXPECT_EQ(Read("Timer3.Enabled"), "true");
  EXPECT_EQ(Read("gameOverPending"), "false");
  game.Form1.picture = nullptr;
  EXPECT_EQ(Read("Form1.Picture"), "null");
  // A Boolean holding anything but -1 or 0 is a fault; it shows as the number it holds.
  game.canFire = 1;
  EXPECT_EQ(Read("canFire"), "1");
}

TEST_F(NameTableTest, RefusesValuesOfTheWrongType) {
  const std::pair<const char*, const char*> cases[] = {
      {"gasCount", "40000"},       {"gasCount", "1.5"},         {"gasCount", ""},
      {"gasDestroyed", "3000000000"}, {"speedX", "fast"},       {"player.Visible", "maybe"},
      {"player.Picture", "nosuch"}, {"player.Picture", "Picture1"},  // Picture1 has no picture of its own
      {"player.Left", "1,5"},      {"lblLives.Caption", "\"open"}, {"quotaReached", "yes"},
  };
  for (const auto& [name, text] : cases) EXPECT_FALSE(Write(name, text)) << name << " = " << text;
}

}  // namespace
}  // namespace skyscrub::recording
