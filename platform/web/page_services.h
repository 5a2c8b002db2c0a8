#pragma once
// The program folder, text files and message boxes as the browser game takes them from its page.
#include <functional>

#include "platform/platform.h"

namespace skyscrub::web {

// The game's files live in the page's memory file system from its root: the program folder
// is empty, and the settings file is put there by the page before the game starts.
class PageFiles final : public Files {
 public:
  std::string ProgramFolder() override { return {}; }
  std::optional<std::string> ReadTextFile(const std::string& path) override;
};

// Message boxes as dialogs on the page, with the same titles, texts and buttons.
class PageMessageBoxes final : public MessageBoxes {
 public:
  MessageAnswer Show(std::string_view title, std::string_view text, MessageButtons buttons) override;

  // Brings the canvas up to date before the dialog covers it.
  std::function<void()> beforeShowing;
};

}  // namespace skyscrub::web
