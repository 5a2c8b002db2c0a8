// Replacing a file in one step and making folders, with Windows' own calls: every path is
// converted from UTF-8, and the rename is written through to the disk before it returns.
#include "settings/file_access.h"

#include <windows.h>

#include "settings/windows/wide_text.h"

namespace skyscrub::settings {

namespace {

// Closes a file handle when it goes out of scope, unless closed before.
class Handle {
 public:
  explicit Handle(HANDLE handle) : handle_(handle) {}
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  ~Handle() {
    if (valid()) ::CloseHandle(handle_);
  }
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }
  bool Close() {
    const HANDLE handle = handle_;
    handle_ = INVALID_HANDLE_VALUE;
    return ::CloseHandle(handle) != 0;
  }

 private:
  HANDLE handle_;
};

bool IsSeparator(wchar_t c) { return c == L'/' || c == L'\\'; }

std::wstring FolderOf(const std::wstring& path) {
  const std::size_t separator = path.find_last_of(L"/\\");
  if (separator == std::wstring::npos) return L".";
  if (separator == 0) return path.substr(0, 1);
  return path.substr(0, separator);
}

bool WriteAll(HANDLE file, const std::string& content) {
  std::size_t written = 0;
  while (written < content.size()) {
    constexpr std::size_t kLargestWrite = std::size_t{1} << 20;
    const std::size_t left = content.size() - written;
    const DWORD chunk = static_cast<DWORD>(left < kLargestWrite ? left : kLargestWrite);
    DWORD n = 0;
    if (!::WriteFile(file, content.data() + written, chunk, &n, nullptr) || n == 0) return false;
    written += n;
  }
  return true;
}

// The file a write to `path` really changes: a symbolic link's target, else `path`.
std::wstring ResolvedTarget(const std::wstring& path) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) return path;
  Handle file(::CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return path;
  std::wstring target(MAX_PATH, L'\0');
  DWORD length = ::GetFinalPathNameByHandleW(file.get(), target.data(), static_cast<DWORD>(target.size()), 0);
  if (length >= target.size()) {
    target.resize(length + 1);
    length = ::GetFinalPathNameByHandleW(file.get(), target.data(), static_cast<DWORD>(target.size()), 0);
  }
  if (length == 0 || length >= target.size()) return path;
  target.resize(length);
  return target;
}

// Creates a new, empty file beside `target` with a name no one else is using.
HANDLE CreateTemporaryBeside(const std::wstring& target, std::wstring& name) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    name = target + L".tmp" + std::to_wstring(::GetCurrentProcessId()) + L"-" + std::to_wstring(attempt);
    const HANDLE file = ::CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE || ::GetLastError() != ERROR_FILE_EXISTS) return file;
  }
  return INVALID_HANDLE_VALUE;
}

bool MakeWideFolders(const std::wstring& folder) {
  const DWORD attributes = ::GetFileAttributesW(folder.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  const DWORD error = ::GetLastError();
  if ((error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND) || folder.empty()) return false;
  std::wstring parent = FolderOf(folder);
  while (parent.size() > 1 && IsSeparator(parent.back())) parent.pop_back();
  if (parent != folder && !MakeWideFolders(parent)) return false;
  return ::CreateDirectoryW(folder.c_str(), nullptr) != 0 || ::GetLastError() == ERROR_ALREADY_EXISTS;
}

}  // namespace

bool MakeFolders(const std::string& folder) { return !folder.empty() && MakeWideFolders(WideFromUtf8(folder)); }

bool ReplaceFileAtomically(const std::string& path, const std::string& content) {
  const std::wstring target = ResolvedTarget(WideFromUtf8(path));
  if (target.empty()) return false;
  const DWORD existing = ::GetFileAttributesW(target.c_str());
  if (existing == INVALID_FILE_ATTRIBUTES && ::GetLastError() != ERROR_FILE_NOT_FOUND) return false;
  // The rename below would fail on a read-only file anyway; a folder or a device is no settings file.
  if (existing != INVALID_FILE_ATTRIBUTES &&
      (existing & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DEVICE)) != 0) {
    return false;
  }

  std::wstring temporary;
  Handle file(CreateTemporaryBeside(target, temporary));
  if (!file.valid()) return false;
  const bool written = WriteAll(file.get(), content) && ::FlushFileBuffers(file.get()) && file.Close() &&
                       ::MoveFileExW(temporary.c_str(), target.c_str(),
                                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  if (!written) {
    if (file.valid()) file.Close();
    ::DeleteFileW(temporary.c_str());
    return false;
  }
  return true;
}

}  // namespace skyscrub::settings
