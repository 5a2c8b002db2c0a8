// libFuzzer target: the settings reader takes any bytes, and what it reads survives a rewrite.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "settings/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace skyscrub::settings;
  const Fields fields = ReadFields(std::string_view(reinterpret_cast<const char*>(data), size));
  if (fields.count < 0 || fields.count > 3) std::abort();
  if (fields.count == 3) {
    // The editor writes what the game read; reading that file again gives the same three values.
    const Fields again = ReadFields(Format(fields.values[0], fields.values[1], fields.values[2]));
    if (again.count != 3 || again.values != fields.values) std::abort();
  }
  return 0;
}
