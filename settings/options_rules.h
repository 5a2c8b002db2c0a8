#pragma once
// The rules of the game's options, whichever editor shows them (the options dialog, the browser
// page's form): loading the settings into the controls, validating the speed and saving, with
// their messages. Free of any toolkit, so both editors share it and it runs headless.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace skyscrub::settings {

inline constexpr std::string_view kInvalidSpeedTitle = "Yikes!";
inline constexpr std::string_view kInvalidSpeedText =
    "Invalid game speed input.  Please enter a positive integer from 1 to 999, thank you.";
inline constexpr std::string_view kWriteFailedTitle = "Oh Noes!";
inline constexpr std::string_view kWriteFailedText =
    "I couldn't find the data file.  Make sure '/components/gamedata.jpc' is an existing file.";

// What the dialog's controls hold; the initial values are the dialog's design.
struct OptionsControls {
  std::string speedText = "10";  // Text1
  bool musicTicked = true;       // Check1 ("Music")
  bool soundTicked = true;       // Check2 ("Sound")
};

// The modal message box with an OK button and no icon.
class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  virtual void ShowMessage(std::string_view title, std::string_view text) = 0;
};

// Load of the dialog: sets the controls from the settings file's content (nothing when
// the file could not be read). Any failure stops silently, leaving the controls not yet
// set as they were. A flag ticks its box when it is 1 and clears it otherwise, as the
// game only takes exactly 1 as "on".
void LoadOptions(OptionsControls& controls, const std::optional<std::string>& fileContent);

// Click of "Save ": converts and shows back the speed, refuses one outside 1..999 and
// otherwise writes the settings file at `settingsPath`. True when the file was written
// and the dialog is to close.
bool SaveClicked(OptionsControls& controls, const std::string& settingsPath, MessageBoxes& messages);

// Writes the speed and the two boxes' flags to the settings file; on failure shows the
// message and returns false.
bool SaveSettings(const OptionsControls& controls, std::int16_t speed, const std::string& settingsPath,
                  MessageBoxes& messages);

}  // namespace skyscrub::settings
