#include "setup/win32/options_dialog.h"

#include <array>

#include "packaging/windows/program_icon.h"
#include "settings/file_access.h"
#include "settings/windows/wide_text.h"
#include "setup/options_layout.h"
#include "setup/win32/resource_ids.h"

namespace skyscrub::setup {

namespace {

constexpr int kDesignDpi = 96;
constexpr int kFrameCaptionPoints = 12;
constexpr wchar_t kFrameCaptionFace[] = L"MS Sans Serif";

struct Placement {
  int id, x, y, width, height;
};

constexpr std::array<Placement, 8> kPlacements{{
    {IDC_FRAME1, OPTIONS_FRAME1_X, OPTIONS_FRAME1_Y, OPTIONS_FRAME1_W, OPTIONS_FRAME1_H},
    {IDC_LABEL1, OPTIONS_LABEL1_X, OPTIONS_LABEL1_Y, OPTIONS_LABEL1_W, OPTIONS_LABEL1_H},
    {IDC_TEXT1, OPTIONS_TEXT1_X, OPTIONS_TEXT1_Y, OPTIONS_TEXT1_W, OPTIONS_TEXT1_H},
    {IDC_FRAME2, OPTIONS_FRAME2_X, OPTIONS_FRAME2_Y, OPTIONS_FRAME2_W, OPTIONS_FRAME2_H},
    {IDC_CHECK1, OPTIONS_CHECK1_X, OPTIONS_CHECK_Y, OPTIONS_CHECK_W, OPTIONS_CHECK_H},
    {IDC_CHECK2, OPTIONS_CHECK2_X, OPTIONS_CHECK_Y, OPTIONS_CHECK_W, OPTIONS_CHECK_H},
    {IDC_COMMAND4, OPTIONS_CANCEL_X, OPTIONS_BUTTON_Y, OPTIONS_BUTTON_W, OPTIONS_BUTTON_H},
    {IDC_COMMAND3, OPTIONS_SAVE_X, OPTIONS_BUTTON_Y, OPTIONS_BUTTON_W, OPTIONS_BUTTON_H},
}};

UINT DpiOf(HWND window) {
  const UINT dpi = ::GetDpiForWindow(window);
  return dpi != 0 ? dpi : kDesignDpi;
}

int Scaled(int pixels, UINT dpi) { return ::MulDiv(pixels, static_cast<int>(dpi), kDesignDpi); }

std::wstring TextOf(HWND control) {
  std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(::GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  return text;
}

}  // namespace

OptionsDialog::OptionsDialog(std::string loadPath, std::string settingsPath)
    : loadPath_(std::move(loadPath)), settingsPath_(std::move(settingsPath)) {}

OptionsDialog::~OptionsDialog() {
  if (frameFont_ != nullptr) ::DeleteObject(frameFont_);
  if (bigIcon_ != nullptr) ::DestroyIcon(bigIcon_);
  if (smallIcon_ != nullptr) ::DestroyIcon(smallIcon_);
}

bool OptionsDialog::Run(HINSTANCE instance) {
  return ::DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_OPTIONS), nullptr, &OptionsDialog::Procedure,
                           reinterpret_cast<LPARAM>(this)) != -1;
}

INT_PTR CALLBACK OptionsDialog::Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* self = reinterpret_cast<OptionsDialog*>(lParam);
    ::SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    self->form1_ = dialog;
    self->messages_.SetOwner(dialog);
  }
  auto* self = reinterpret_cast<OptionsDialog*>(::GetWindowLongPtrW(dialog, DWLP_USER));
  return self != nullptr ? self->Handle(message, wParam, lParam) : FALSE;
}

INT_PTR OptionsDialog::Handle(UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      UseIcons();
      PlaceControls();
      ::SendDlgItemMessageW(form1_, IDC_TEXT1, EM_LIMITTEXT, OPTIONS_SPEED_DIGITS, 0);
      ::SetDlgItemTextW(form1_, IDC_TEXT1, L"" OPTIONS_DEFAULT_SPEED);
      ::CheckDlgButton(form1_, IDC_CHECK1, BST_CHECKED);
      ::CheckDlgButton(form1_, IDC_CHECK2, BST_CHECKED);
      Form_Load();
      return TRUE;  // the system puts the focus on the first control
    case WM_DPICHANGED:
      PlaceControls();
      return TRUE;
    case WM_COMMAND:
      // Enter and Escape arrive as IDOK and IDCANCEL: neither saves nor closes the dialog.
      if (HIWORD(wParam) != BN_CLICKED) return FALSE;
      if (LOWORD(wParam) == IDC_COMMAND3) Command3_Click();
      if (LOWORD(wParam) == IDC_COMMAND4) Close();
      return TRUE;
    case WM_CLOSE:
      Close();
      return TRUE;
    default:
      return FALSE;
  }
}

void OptionsDialog::Form_Load() {
  settings::OptionsControls controls = ReadControls();
  settings::LoadOptions(controls, settings::ReadWholeFile(loadPath_));
  ShowControls(controls);
}

void OptionsDialog::Command3_Click() {
  settings::OptionsControls controls = ReadControls();
  const bool saved = settings::SaveClicked(controls, settingsPath_, messages_);
  ShowControls(controls);
  if (saved) Close();
}

void OptionsDialog::Close() { ::EndDialog(form1_, IDOK); }

// The dialog's client area and every control on its designed pixel, scaled to the monitor,
// centred in the monitor's work area.
void OptionsDialog::PlaceControls() {
  const UINT dpi = DpiOf(form1_);
  for (const Placement& p : kPlacements) {
    ::SetWindowPos(::GetDlgItem(form1_, p.id), nullptr, Scaled(p.x, dpi), Scaled(p.y, dpi), Scaled(p.width, dpi),
                   Scaled(p.height, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
  }
  UseFrameFont();
  RECT frame{0, 0, Scaled(OPTIONS_CLIENT_WIDTH, dpi), Scaled(OPTIONS_CLIENT_HEIGHT, dpi)};
  const auto style = static_cast<DWORD>(::GetWindowLongPtrW(form1_, GWL_STYLE));
  const auto exStyle = static_cast<DWORD>(::GetWindowLongPtrW(form1_, GWL_EXSTYLE));
  ::AdjustWindowRectExForDpi(&frame, style, FALSE, exStyle, dpi);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  ::GetMonitorInfoW(::MonitorFromWindow(form1_, MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT& area = monitor.rcWork;
  ::SetWindowPos(form1_, nullptr, area.left + (area.right - area.left - width) / 2,
                 area.top + (area.bottom - area.top - height) / 2, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

// The two frames' captions in MS Sans Serif 12 point, as designed; the other controls keep
// the dialog's font.
void OptionsDialog::UseFrameFont() {
  if (frameFont_ != nullptr) ::DeleteObject(frameFont_);
  LOGFONTW font{};
  font.lfHeight = -::MulDiv(kFrameCaptionPoints, static_cast<int>(DpiOf(form1_)), 72);
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfQuality = CLEARTYPE_QUALITY;
  ::lstrcpynW(font.lfFaceName, kFrameCaptionFace, LF_FACESIZE);
  frameFont_ = ::CreateFontIndirectW(&font);
  for (const int frame : {IDC_FRAME1, IDC_FRAME2}) {
    ::SendDlgItemMessageW(form1_, frame, WM_SETFONT, reinterpret_cast<WPARAM>(frameFont_), TRUE);
  }
}

// The Earth icon in the title bar and the task bar, each at the size the system asks for.
void OptionsDialog::UseIcons() {
  const HINSTANCE instance = ::GetModuleHandleW(nullptr);
  const auto load = [instance](int metricX, int metricY) {
    return static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(SKYSCRUB_PROGRAM_ICON), IMAGE_ICON,
                                           ::GetSystemMetrics(metricX), ::GetSystemMetrics(metricY), 0));
  };
  bigIcon_ = load(SM_CXICON, SM_CYICON);
  smallIcon_ = load(SM_CXSMICON, SM_CYSMICON);
  ::SendMessageW(form1_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_));
  ::SendMessageW(form1_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
}

settings::OptionsControls OptionsDialog::ReadControls() const {
  return {settings::Utf8FromWide(TextOf(::GetDlgItem(form1_, IDC_TEXT1))),
          ::IsDlgButtonChecked(form1_, IDC_CHECK1) == BST_CHECKED,
          ::IsDlgButtonChecked(form1_, IDC_CHECK2) == BST_CHECKED};
}

void OptionsDialog::ShowControls(const settings::OptionsControls& controls) {
  const HWND text1 = ::GetDlgItem(form1_, IDC_TEXT1);
  const std::wstring speed = settings::WideFromUtf8(controls.speedText);
  if (speed != TextOf(text1)) ::SetWindowTextW(text1, speed.c_str());
  ::CheckDlgButton(form1_, IDC_CHECK1, controls.musicTicked ? BST_CHECKED : BST_UNCHECKED);
  ::CheckDlgButton(form1_, IDC_CHECK2, controls.soundTicked ? BST_CHECKED : BST_UNCHECKED);
}

}  // namespace skyscrub::setup
