#pragma once
// Windows takes text and paths as UTF-16; the programs keep them as UTF-8 everywhere else, so
// every call into the system converts on the way in and out, and any character survives.
#include <string>
#include <string_view>

namespace skyscrub::settings {

std::wstring WideFromUtf8(std::string_view utf8);
std::string Utf8FromWide(std::wstring_view wide);

}  // namespace skyscrub::settings
