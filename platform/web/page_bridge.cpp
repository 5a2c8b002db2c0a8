#include "platform/web/page_bridge.h"

#include <emscripten.h>

#include <string>

namespace skyscrub::web {

namespace {

// The page's side is in web/page/page.js, as Module.tellPage and Module.askPage.
EM_JS(void, tell_page, (const char* what, const char* detail), {
  Module.tellPage(UTF8ToString(what), UTF8ToString(detail));
});

// Resolves to the index of the button pressed: 0 OK, 1 Yes, 2 No.
EM_ASYNC_JS(int, ask_page, (const char* title, const char* text, int yesNo), {
  return await Module.askPage(UTF8ToString(title), UTF8ToString(text), yesNo !== 0);
});

}  // namespace

void TellPage(std::string_view what, std::string_view detail) {
  tell_page(std::string(what).c_str(), std::string(detail).c_str());
}

MessageAnswer AskPage(std::string_view title, std::string_view text, MessageButtons buttons) {
  const int pressed = ask_page(std::string(title).c_str(), std::string(text).c_str(), buttons == MessageButtons::YesNo);
  switch (pressed) {
    case 1: return MessageAnswer::Yes;
    case 2: return MessageAnswer::No;
    default: return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
  }
}

}  // namespace skyscrub::web
