#include "settings/program_names.h"

namespace skyscrub::settings {

ProgramNames ProgramNamesIn(const Layout& layout) {
  if (layout.installed) return {"skyscrub", "skyscrub-setup"};
  return {"Skyscrub", "SkyscrubSetup"};
}

std::string_view InvokedAs(const char* argv0, std::string_view fallback) {
  std::string_view name = argv0 != nullptr ? argv0 : "";
  if (const auto slash = name.find_last_of('/'); slash != std::string_view::npos) name.remove_prefix(slash + 1);
  return name.empty() ? fallback : name;
}

}  // namespace skyscrub::settings
