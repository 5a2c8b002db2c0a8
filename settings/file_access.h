#pragma once
// Reading and replacing the settings file on disk. Reading is the same everywhere; replacing a
// file and making folders are each system's own (settings/posix/file_replace.cpp).
#include <cstddef>
#include <optional>
#include <string>

namespace skyscrub::settings {

// A settings file is a few bytes; anything this large is not one, and is refused
// rather than read into memory.
inline constexpr std::size_t kMaxFileBytes = std::size_t{16} * 1024 * 1024;

// The whole content of the regular file at `path`; nothing when it does not exist,
// cannot be read, or is larger than kMaxFileBytes.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Replaces the content of the file at `path` with `content` in one step: the new text is
// written to a temporary file beside it, flushed to disk and renamed over the target, so
// the file is never seen half written. Fails, leaving everything as it was, when the
// folder does not exist or the existing file is read-only or not a regular file.
// A symbolic link is followed and its target replaced.
bool ReplaceFileAtomically(const std::string& path, const std::string& content);

// Makes `folder` and whichever of its parents are missing, each readable by its owner only
// (as the base directory rules ask of a configuration folder). True when the folder exists.
bool MakeFolders(const std::string& folder);

}  // namespace skyscrub::settings
