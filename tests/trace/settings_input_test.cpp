// Whatever the settings file holds, start-up ends with a usable tick and the flags it could read.
// Each file is given to the game as `settings raw "TEXT"`, as a trace script would; the scripted
// files read as the real ones do (whole, and nothing at all beyond settings::kMaxFileBytes).
#include <gtest/gtest.h>

#include <sstream>

#include "support/settings_cases.h"
#include "tools/trace/script_session.h"
#include "recording/value_text.h"

namespace skyscrub::trace {
namespace {

std::string RawLine(const std::string& content) { return "settings raw " + recording::QuoteText(content); }

class SettingsInput : public ::testing::TestWithParam<SettingsCase> {};

TEST_P(SettingsInput, StartUpUsesWhatCouldBeRead) {
  const SettingsCase& c = GetParam();
  std::ostringstream out;
  Session session(out);
  const auto error = session.Execute(c.file ? RawLine(*c.file) : "settings none");
  ASSERT_FALSE(error) << *error;
  ASSERT_EQ(session.system.settingsContent, c.file);
  ASSERT_FALSE(session.Execute("load"));
  EXPECT_EQ(session.game.Timer1.Interval, c.interval);
  EXPECT_EQ(session.game.soundEnabled, c.sound);
  EXPECT_EQ(session.game.musicEnabled, c.music);
  EXPECT_EQ(out.str().find("music1.mid") != std::string::npos, c.titleMusic) << out.str();
  EXPECT_FALSE(session.game.Timer1.Enabled);
  EXPECT_TRUE(session.game.Timer3.Enabled);
}

INSTANTIATE_TEST_SUITE_P(Files, SettingsInput, ::testing::ValuesIn(SettingsCases()), SettingsCaseName);

}  // namespace
}  // namespace skyscrub::trace
