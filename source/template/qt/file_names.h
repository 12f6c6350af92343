#pragma once

// File names are bytes on Linux, not always UTF-8 ("caf\xE9.corvane" from an
// old Latin-1 system). Qt's own decoding turns such bytes into U+FFFD and
// loses the file; these keep every byte through a QString, each one that is
// not part of valid UTF-8 as the lone surrogate U+DC80 + (byte - 0x80), so
// that names come back byte for byte and the rest reads as usual.

#include <QString>

#include <string>

namespace corvane::drawing {

QString FileNameFromNative(const std::string& bytes);
std::string NativeFileName(const QString& name);

} // namespace corvane::drawing
