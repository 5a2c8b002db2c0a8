#include "setup/options_window.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_PNG_Image.H>

#include "assets/embedded_art.h"
#include "settings/file_access.h"
#include "setup/captioned_frame.h"
#include "setup/dialog_border.h"
#include "setup/options_layout.h"

namespace skyscrub::setup {

namespace {

constexpr int kClientWidth = OPTIONS_CLIENT_WIDTH;
constexpr int kClientHeight = OPTIONS_CLIENT_HEIGHT;
constexpr Fl_Fontsize kFrameCaptionSize = 16;  // 12 point at 96 pixels per inch
constexpr Fl_Fontsize kControlTextSize = 12;

// Calls `handler` on the window held in a widget callback's user data.
template <void (OptionsWindow::*handler)()>
void Forward(Fl_Widget*, void* window) {
  (static_cast<OptionsWindow*>(window)->*handler)();
}

void UseControlFont(Fl_Widget& widget) { widget.labelsize(kControlTextSize); }

}  // namespace

OptionsWindow::OptionsWindow(std::string loadPath, std::string settingsPath, settings::MessageBoxes& messages)
    : loadPath_(std::move(loadPath)), settingsPath_(std::move(settingsPath)), messages_(messages) {
  form1_ = std::make_unique<Fl_Double_Window>(kClientWidth, kClientHeight, OPTIONS_TITLE);
  form1_->size_range(kClientWidth, kClientHeight, kClientWidth, kClientHeight);  // fixed border
  form1_->callback(Forward<&OptionsWindow::CloseBox>, this);

  auto* frame1 = new CaptionedFrame(OPTIONS_FRAME1_X, OPTIONS_FRAME1_Y, OPTIONS_FRAME1_W, OPTIONS_FRAME1_H,
                                    OPTIONS_FRAME1_CAPTION);
  frame1->labelfont(FL_HELVETICA);
  frame1->labelsize(kFrameCaptionSize);
  auto* label1 = new Fl_Box(OPTIONS_LABEL1_X, OPTIONS_LABEL1_Y, OPTIONS_LABEL1_W, OPTIONS_LABEL1_H,
                            OPTIONS_LABEL1_CAPTION);
  label1->align(FL_ALIGN_TOP_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_WRAP);
  UseControlFont(*label1);
  text1_ = new Fl_Input(OPTIONS_TEXT1_X, OPTIONS_TEXT1_Y, OPTIONS_TEXT1_W, OPTIONS_TEXT1_H);
  text1_->maximum_size(OPTIONS_SPEED_DIGITS);
  text1_->textsize(kControlTextSize);
  text1_->value(OPTIONS_DEFAULT_SPEED);
  frame1->end();

  auto* frame2 = new CaptionedFrame(OPTIONS_FRAME2_X, OPTIONS_FRAME2_Y, OPTIONS_FRAME2_W, OPTIONS_FRAME2_H,
                                    OPTIONS_FRAME2_CAPTION);
  frame2->labelfont(FL_HELVETICA);
  frame2->labelsize(kFrameCaptionSize);
  check1_ = new Fl_Check_Button(OPTIONS_CHECK1_X, OPTIONS_CHECK_Y, OPTIONS_CHECK_W, OPTIONS_CHECK_H,
                                OPTIONS_CHECK1_CAPTION);
  check2_ = new Fl_Check_Button(OPTIONS_CHECK2_X, OPTIONS_CHECK_Y, OPTIONS_CHECK_W, OPTIONS_CHECK_H,
                                OPTIONS_CHECK2_CAPTION);
  for (Fl_Check_Button* check : {check1_, check2_}) {
    UseControlFont(*check);
    check->value(1);
  }
  frame2->end();

  command4_ =
      new Fl_Button(OPTIONS_CANCEL_X, OPTIONS_BUTTON_Y, OPTIONS_BUTTON_W, OPTIONS_BUTTON_H, OPTIONS_CANCEL_CAPTION);
  command4_->callback(Forward<&OptionsWindow::Command4_Click>, this);
  command3_ =
      new Fl_Button(OPTIONS_SAVE_X, OPTIONS_BUTTON_Y, OPTIONS_BUTTON_W, OPTIONS_BUTTON_H, OPTIONS_SAVE_CAPTION);
  command3_->callback(Forward<&OptionsWindow::Command3_Click>, this);
  for (Fl_Button* button : {command3_, command4_}) UseControlFont(*button);
  form1_->end();

  const std::span<const std::uint8_t> png = ArtPng(Art::Icon);
  if (!png.empty()) {
    icon_ = std::make_unique<Fl_PNG_Image>(nullptr, png.data(), static_cast<int>(png.size()));
    if (icon_->w() > 0) form1_->icon(icon_.get());
  }
}

OptionsWindow::~OptionsWindow() = default;

void OptionsWindow::Show() {
  Form_Load();
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  Fl::screen_work_area(left, top, width, height);
  form1_->position(left + (width - kClientWidth) / 2, top + (height - kClientHeight) / 2);
  form1_->show();
  UseDialogBorder(*form1_);
}

void OptionsWindow::Form_Load() {
  settings::OptionsControls controls = ReadControls();
  settings::LoadOptions(controls, settings::ReadWholeFile(loadPath_));
  ShowControls(controls);
}

void OptionsWindow::Command3_Click() {
  settings::OptionsControls controls = ReadControls();
  const bool saved = settings::SaveClicked(controls, settingsPath_, messages_);
  ShowControls(controls);
  if (saved) form1_->hide();
}

void OptionsWindow::Command4_Click() { form1_->hide(); }

void OptionsWindow::CloseBox() {
  // Escape alone does not close the dialog; it has no cancel key.
  if (Fl::event() == FL_SHORTCUT && Fl::event_key() == FL_Escape) return;
  form1_->hide();
}

settings::OptionsControls OptionsWindow::ReadControls() const {
  return {text1_->value(), check1_->value() != 0, check2_->value() != 0};
}

void OptionsWindow::ShowControls(const settings::OptionsControls& controls) {
  if (controls.speedText != text1_->value()) text1_->value(controls.speedText.c_str());
  check1_->value(controls.musicTicked ? 1 : 0);
  check2_->value(controls.soundTicked ? 1 : 0);
}

}  // namespace skyscrub::setup
