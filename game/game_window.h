#pragma once
// The game window: its scene, its variables, and the procedures that play the game.
// Each procedure is defined in the folder of its subsystem (loop/, ship/, gases/, shell/).
#include <cstdint>
#include <string_view>

#include "game/scene/scene.h"
#include "game/state/game_variables.h"
#include "game/state/random.h"
#include "platform/platform.h"

namespace skyscrub {

// Moves a full-screen panel over the whole 800 x 600 canvas and shows it.
void CoverCanvas(Panel& screen);

class GameWindow : public Scene, public GameVariables {
 public:
  explicit GameWindow(Platform& platform) : platform_(platform) {}

  // ---- Events the platform delivers, one at a time, each run to completion ----
  void Form_Load();
  void Form_Activate();
  void Form_Unload();
  void Timer1_Timer();  // the main tick
  void Timer2_Timer();  // the pause poll
  void Timer3_Timer();  // the title and end-screen keyboard watch
  void Label7_Click();  // "Play"
  void Label8_Click();  // "Quit"
  void Label9_Click();  // "Start"
  void Label7_MouseMove();
  void Label8_MouseMove();
  void Label9_MouseMove();
  void Picture2_MouseMove();
  void Control_Screen_MouseMove();
  // The window is closed by the system (or by the player through any of the game's exits).
  void UnloadAndEnd();
  bool Ended() const { return ended_; }

  // ---- Game loop and flow (loop/) ----
  void AdvanceSoundHold();
  void DriftCfcs();
  void StartNewGame();
  void ResetSpawnTimers();
  void StartLevel();
  void PrepareCfcs();
  void SeedStartingGas();
  void EmitCfc();
  void EmitGas();
  void ShowLoseScreen();
  void ShowWinScreen();

  // ---- Ship and sky (ship/) ----
  void HandleKeys();
  void ChargeEngine();
  void FlyShip();
  void FireBullet();
  void HitShip();
  void DestroyShip();
  void SpawnRay(std::int16_t i, bool show);
  void MoveUltraviolet();
  void CheckOzoneBlock(std::int16_t& i);
  void CheckUvHits();
  void DamageOzone(Picture& C);
  void LoseLife();

  // ---- Gases and effects (gases/) ----
  void AnimateSprites();
  void GrowNewGases();
  void UpdateTemperature();
  void UpdateBullets();
  void OnGasDestroyed(std::int16_t& slot);
  void UpdateKillBar();

  // ---- Shell and media (shell/) ----
  void ResetScene();
  void RestoreSpritePictures();
  void HideAllGases();
  void SetDisplayResolution(std::int16_t& width, std::int16_t& height);
  void PlaySoundFile(std::string_view name, bool interrupt);
  // The music switch: with music on, play the program folder followed by `literal`.
  void SwitchMusic(std::string_view literal);
  // A key counts as held while its state has the key-down bit.
  bool KeyHeld(Key key);

  // ---- Shared helpers ----
  // Rnd: a uniform single-precision number in [0, 1), a fresh draw at each call.
  float Rnd() { return random_.Next(); }
  // Reseeds the random source from the clock.
  void Randomize() { random_.Seed(platform_.clock.RandomSeed()); }
  // Starts a burst in the lowest hidden Xplode slot with `frame`'s picture, plays the burst sound
  // and holds shot sounds. Nothing at all when all three bursts are in use.
  void StartBurst(const Picture& frame, float left, float top);

 private:
  void EndGame(std::string_view music, Panel& screen);
  void AnimationPhaseA();
  void AnimationPhaseB();
  void FadeOut();

  Platform& platform_;
  Random random_;
  bool ended_ = false;
};

}  // namespace skyscrub
