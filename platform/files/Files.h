#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// Files and folders. Every failing call returns false (or an empty result) and, where it takes one, fills
// error with a one-line reason that names the path; nothing here throws or crashes on bad input.
namespace platform::files {

bool Exists(const std::string& path);  // a file or a folder
bool IsFolder(const std::string& path);
bool IsFile(const std::string& path);

// Creates the folder and every missing parent.
bool CreateFolders(const std::string& path, std::string& error);
// Deletes a file (not a folder); deleting a file that does not exist succeeds.
bool Delete(const std::string& path, std::string& error);
// Copies a file; the target appears whole or not at all.
bool Copy(const std::string& from, const std::string& to, std::string& error);
// Renames, replacing any file at the target, and makes the rename durable.
bool Rename(const std::string& from, const std::string& to, std::string& error);

bool ReadAll(const std::string& path, std::vector<uint8_t>& out, std::string& error);
// Writes a temporary file in the target's folder, flushes it to disk and renames it over the target, so
// that a crash at any moment leaves either the old or the new file whole.
bool WriteAtomic(const std::string& path, std::span<const uint8_t> bytes, std::string& error);
bool WriteAtomic(const std::string& path, const std::string& text, std::string& error);
// Appends (creating the file when missing); for logs.
bool Append(const std::string& path, const std::string& text, std::string& error);

// The names in a folder (no "." or ".."), sorted case-insensitively; false when it cannot be listed.
bool ListFolder(const std::string& path, std::vector<std::string>& names, std::string& error);

// The path itself when it exists; otherwise the same path with each component matched ignoring case
// (ASCII), component by component; the path unchanged when no match exists.
std::string Resolve(const std::string& path);

// Text files: UTF-8 (a byte-order mark is dropped), or Windows-1252 when the bytes are not UTF-8,
// returned as UTF-8; lines split at "\n" with a trailing "\r" removed.
std::string DecodeText(std::span<const uint8_t> bytes);
std::vector<std::string> SplitLines(const std::string& text);
bool ReadLines(const std::string& path, std::vector<std::string>& lines, std::string& error);

// Folder and name parts of a path ("a/b/c.png" → "a/b/", "c.png", "c", ".png").
std::string FolderOf(const std::string& path);
std::string FileNameOf(const std::string& path);
std::string StemOf(const std::string& path);
std::string ExtensionOf(const std::string& path);
// Joins with exactly one "/" between.
std::string Join(const std::string& folder, const std::string& name);

}  // namespace platform::files
