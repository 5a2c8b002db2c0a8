#include "tests/trace/soak/soak_player.h"

#include <array>

#include "recording/value_text.h"

namespace skyscrub::soak {

namespace {

std::string Number(std::uint64_t n) { return std::to_string(n); }

// Hand-edited and damaged settings files, as `settings raw` texts.
constexpr std::array<const char*, 8> kOddSettings{
    R"("")",
    R"("\xEF\xBB\xBF10\r\n1\r\n1\r\n")",
    R"("7\r0\r1\r")",
    R"("10,1,1")",
    R"("-5\r\n1\r\n1\r\n")",
    R"("70000\r\n1\r\n1")",
    R"("0\r\n1\r\n1\r\n")",
    R"("\x00\xFF\r\n\x01")",
};

constexpr std::array<const char*, 4> kScreens{"1024 768", "800 600", "1280 1024", "640 480"};

}  // namespace

// The game's own random source: the same numbers on every machine and library.
std::uint64_t RandomPlayer::Below(std::uint64_t n) {
  const auto pick = static_cast<std::uint64_t>(static_cast<double>(random_.Next()) * static_cast<double>(n));
  return pick < n ? pick : n - 1;
}

std::vector<std::string> RandomPlayer::Opening() {
  std::vector<std::string> lines{"seed " + Number(Below(1000000000))};
  const std::uint64_t kind = Below(10);
  if (kind < 7) {
    lines.push_back("settings " + Number(1 + Below(999)) + " " + Number(Below(2)) + " " + Number(Below(2)));
  } else if (kind < 8) {
    lines.push_back("settings none");
  } else {
    lines.push_back(std::string("settings raw ") + kOddSettings[Below(kOddSettings.size())]);
  }
  lines.push_back(std::string("screen ") + kScreens[Below(kScreens.size())]);
  if (Chance(15)) {
    lines.push_back("modetest " + Number(1 + Below(2)));
    for (int i = 0; i < 2; ++i) lines.push_back(Chance(50) ? "answer Yes" : "answer No");
  }
  lines.push_back("load");
  gamesLeft_ = 1 + static_cast<int>(Below(4));
  return lines;
}

std::vector<std::string> RandomPlayer::Next(const GameWindow& game) {
  if (game.Timer1.Enabled) return Playing(game);
  if (game.Timer2.Enabled) return Paused();
  if (game.WinScreen.Visible || game.LoseScreen.Visible) return OnEndScreen();
  if (game.Control_Screen.Visible) return OnInstructions(game);
  return OnTitle(game);
}

std::vector<std::string> RandomPlayer::OnTitle(const GameWindow&) {
  std::vector<std::string> lines{"keys none"};
  constexpr std::array<const char*, 3> kMoves{"move Label7", "move Label8", "move Picture2"};
  for (std::uint64_t n = Below(3); n > 0; --n) lines.push_back(kMoves[Below(kMoves.size())]);
  lines.push_back("poll3 " + Number(1 + Below(5)));
  if (gamesLeft_ > 0) {
    lines.push_back("click Label7");
  } else if (Chance(50)) {
    lines.push_back("click Label8");
  } else {
    lines.insert(lines.end(), {"keys Escape", "poll3"});
  }
  return lines;
}

std::vector<std::string> RandomPlayer::OnInstructions(const GameWindow&) {
  std::vector<std::string> lines;
  constexpr std::array<const char*, 2> kMoves{"move Label9", "move Control_Screen"};
  for (std::uint64_t n = Below(3); n > 0; --n) lines.push_back(kMoves[Below(kMoves.size())]);
  lines.push_back("poll3 " + Number(1 + Below(3)));
  lines.push_back("click Label9");
  if (!endless_) --gamesLeft_;
  plan_ = static_cast<Plan>(Below(endless_ ? 4 : 5));
  planTicks_ = static_cast<std::int64_t>(100 + Below(plan_ == Plan::Quit ? 6000 : 1500));
  return lines;
}

std::string RandomPlayer::HeldKeys(const GameWindow& game) {
  // Thrust when low or falling fast, so that ships live long enough to see the sky fill up.
  const bool low = game.player.Top > 380 || game.speedY > 2;
  const bool survive = plan_ == Plan::Survive;
  std::string keys;
  auto hold = [&keys](const char* key) { keys += keys.empty() ? key : std::string(",") + key; };
  const std::uint64_t thrust = plan_ == Plan::Careless ? 12 : low ? 60 : 30;
  if (survive ? low : Chance(thrust)) hold("Up");
  if (!survive && Chance(plan_ == Plan::Win ? 85 : 50)) hold("Z");
  if (Chance(25)) hold("Left");
  if (Chance(25)) hold("Right");
  if (Chance(2)) hold("Space");
  if (Chance(1)) hold("P");
  return "keys " + (keys.empty() ? std::string("none") : keys);
}

// The Win plan jumps close to the quota, then clears the sky once the quota is reached.
std::vector<std::string> RandomPlayer::Pokes(const GameWindow& game) {
  std::vector<std::string> lines;
  if (game.gasDestroyed < 299) {
    // As if 299 had been shot: the count and its bar.
    lines.push_back("set gasDestroyed 299");
    lines.push_back("set killbar.Width " + recording::FormatNumber(static_cast<float>(299 / 2.4)));
  } else if (game.quotaReached == kTrue && game.gasCount > 0) {
    for (std::size_t i = 0; i < game.CO2.size(); ++i) {
      if (game.CO2[i].Visible) lines.push_back("set CO2(" + Number(i) + ").Visible false");
    }
    lines.push_back("set gasCount 0");
  }
  return lines;
}

std::vector<std::string> RandomPlayer::Playing(const GameWindow& game) {
  std::vector<std::string> lines;
  if (planTicks_ <= 0 && plan_ == Plan::Quit) return {"keys Escape", "tick"};
  if (planTicks_ <= 0 && plan_ == Plan::Win) {
    lines = Pokes(game);
    planTicks_ = 200;
  }
  lines.push_back(HeldKeys(game));
  const std::uint64_t ticks = 1 + Below(plan_ == Plan::Survive ? 30 : 20);
  planTicks_ -= static_cast<std::int64_t>(ticks);
  lines.push_back("tick " + Number(ticks));
  return lines;
}

std::vector<std::string> RandomPlayer::Paused() {
  if (!endless_ && Chance(3)) return {"keys Escape", "poll2"};
  return {"keys none", "poll2 " + Number(1 + Below(20)), "keys Space", "poll2"};
}

std::vector<std::string> RandomPlayer::OnEndScreen() {
  if (!endless_ && Chance(5)) return {"keys Escape", "poll3"};
  return {"keys none", "poll3 " + Number(1 + Below(20)), "keys Space", "poll3"};
}

}  // namespace skyscrub::soak
