#include "platform/sdl/sdl_message_boxes.h"

#include <string>

#include "platform/sdl/stop_and_crash_guard.h"

namespace skyscrub::sdl {

MessageAnswer SdlMessageBoxes::Show(std::string_view title, std::string_view text, MessageButtons buttons) {
  constexpr Uint32 kBothKeys = SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT | SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT;
  const SDL_MessageBoxButtonData ok[] = {{kBothKeys, static_cast<int>(MessageAnswer::Ok), "OK"}};
  const SDL_MessageBoxButtonData yesNo[] = {
      {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, static_cast<int>(MessageAnswer::Yes), "Yes"},
      {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, static_cast<int>(MessageAnswer::No), "No"},
  };
  const bool isOk = buttons == MessageButtons::Ok;
  const MessageAnswer fallback = isOk ? MessageAnswer::Ok : MessageAnswer::No;
  const std::string titleText(title), bodyText(text);
  const SDL_MessageBoxData box{0,  // no icon
                               window_,
                               titleText.c_str(),
                               bodyText.c_str(),
                               isOk ? 1 : 2,
                               isOk ? ok : yesNo,
                               nullptr};
  if (StopRequested()) return fallback;  // the game is closing: nobody waits for the answer
  if (beforeShowing) beforeShowing();
  int pressed = -1;
  int failed = 0;
  {
    const OpenMessageBox open;
    failed = SDL_ShowMessageBox(&box, &pressed);
  }
  SDL_RaiseWindow(window_);  // the keyboard goes back to the game
  if (failed != 0 || pressed < 0) return fallback;
  return static_cast<MessageAnswer>(pressed);
}

}  // namespace skyscrub::sdl
