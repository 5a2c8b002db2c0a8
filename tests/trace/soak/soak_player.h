#pragma once
// A random player that writes its moves as trace script lines: random settings, menu clicks
// and mouse moves, held keys during play, pauses and quits. Its choices depend only on its
// seed and on what the game shows, so a seed replays the same session exactly.
#include <cstdint>
#include <string>
#include <vector>

#include "game/game_window.h"
#include "game/state/random.h"

namespace skyscrub::soak {

enum class Ending : std::uint8_t { Won, LostByTemperature, LostByLives, Quit };
inline constexpr const char* kEndingNames[] = {"won", "lost by temperature", "lost by lives", "quit"};

// How a game is meant to go; the player nudges it there, the game decides.
enum class Plan : std::uint8_t {
  Play,     // random keys, thrust more often when low
  Careless, // random keys, little thrust: ships crash
  Survive,  // keep the ship flying and never shoot: the sky fills up and heats
  Win,      // destroy enough molecules, helped by pokes once near the quota
  Quit,     // Escape at some moment of the game
};

class RandomPlayer {
 public:
  // Endless: game after game, never quitting (for recordings of a long session).
  explicit RandomPlayer(std::uint64_t seed, bool endless = false) : endless_(endless) { random_.Seed(seed); }

  // The lines that set up a session: seed, settings, screen, display test and answers, load.
  std::vector<std::string> Opening();
  // The next lines for what the game shows now.
  std::vector<std::string> Next(const GameWindow& game);

 private:
  std::uint64_t Below(std::uint64_t n);  // uniform in 0..n-1
  bool Chance(std::uint64_t percent) { return Below(100) < percent; }

  std::vector<std::string> OnTitle(const GameWindow& game);
  std::vector<std::string> OnInstructions(const GameWindow& game);
  std::vector<std::string> Playing(const GameWindow& game);
  std::vector<std::string> Paused();
  std::vector<std::string> OnEndScreen();
  std::string HeldKeys(const GameWindow& game);
  std::vector<std::string> Pokes(const GameWindow& game);

  Random random_;
  bool endless_;
  Plan plan_ = Plan::Play;
  int gamesLeft_ = 0;
  std::int64_t planTicks_ = 0;  // ticks until the plan's next move (poke or quit)
};

}  // namespace skyscrub::soak
