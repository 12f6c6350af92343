#pragma once

// Files written whole or not at all: the contents go to a temporary file
// beside the target, which replaces the target only once it is complete and
// flushed to disk. Any failure leaves an existing target untouched.

#include <functional>
#include <optional>
#include <string>

namespace corvane::drawing {

// Writes the bytes to the path. Returns a French message naming the file
// and the reason on failure, nothing on success.
std::optional<std::string> WriteWholeFile(const std::string& path, const std::string& bytes);

// For writers that insist on opening a file by name themselves: `write`
// receives the temporary path and returns whether it wrote everything.
std::optional<std::string> WriteWholeFileThrough(
    const std::string& path, const std::function<bool(const std::string& temporaryPath)>& write);

// "Impossible d'écrire « path » : reason." for an errno value.
std::string CannotWriteMessage(const std::string& path, int errorNumber);

} // namespace corvane::drawing
