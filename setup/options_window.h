#pragma once
// The "Skyscrub Options" dialog: its widgets, laid out as designed, and their events.
#include <memory>
#include <string>

#include "settings/options_rules.h"

class Fl_Button;
class Fl_Check_Button;
class Fl_Double_Window;
class Fl_Input;
class Fl_Widget;
class Fl_RGB_Image;

namespace skyscrub::setup {

class OptionsWindow {
 public:
  // Loads the controls from the file at `loadPath` and saves to `settingsPath` (an installed
  // game's user without a file of their own loads the shipped default, and saves their own).
  OptionsWindow(std::string loadPath, std::string settingsPath, settings::MessageBoxes& messages);
  ~OptionsWindow();
  OptionsWindow(const OptionsWindow&) = delete;
  OptionsWindow& operator=(const OptionsWindow&) = delete;

  // Load of the dialog, then shows it centred on the screen.
  void Show();

 private:
  void Form_Load();
  void Command3_Click();  // "Save "
  void Command4_Click();  // "Cancel"
  void CloseBox();

  settings::OptionsControls ReadControls() const;
  void ShowControls(const settings::OptionsControls& controls);

  std::string loadPath_;
  std::string settingsPath_;
  settings::MessageBoxes& messages_;
  std::unique_ptr<Fl_Double_Window> form1_;
  std::unique_ptr<Fl_RGB_Image> icon_;
  // Owned by form1_.
  Fl_Input* text1_ = nullptr;
  Fl_Check_Button* check1_ = nullptr;
  Fl_Check_Button* check2_ = nullptr;
  Fl_Button* command3_ = nullptr;
  Fl_Button* command4_ = nullptr;
};

}  // namespace skyscrub::setup
