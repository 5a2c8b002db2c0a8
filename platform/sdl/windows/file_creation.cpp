// The path is UTF-8, as every path the game holds; binary mode keeps line ends as written.
#include "platform/sdl/file_creation.h"

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include "settings/windows/wide_text.h"

namespace skyscrub::sdl {

int CreateFileToWrite(const std::string& path) {
  return _wopen(settings::WideFromUtf8(path).c_str(), _O_WRONLY | _O_CREAT | _O_TRUNC | _O_BINARY | _O_NOINHERIT,
                _S_IREAD | _S_IWRITE);
}

}  // namespace skyscrub::sdl
