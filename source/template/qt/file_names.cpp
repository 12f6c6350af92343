#include "file_names.h"

namespace corvane::drawing {

namespace {

constexpr char16_t EscapeBase = 0xDC00;

// The length of the valid UTF-8 sequence at `at`, or 0.
std::size_t SequenceLength(const std::string& bytes, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(bytes[at]);
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (at + length > bytes.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(bytes[at + k]);
        if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF))
            return 0;
    }
    return length;
}

} // namespace

QString FileNameFromNative(const std::string& bytes)
{
    QString name;
    std::size_t at = 0;
    while (at < bytes.size()) {
        const std::size_t length = SequenceLength(bytes, at);
        if (length == 0) {
            name += QChar(char16_t(EscapeBase + static_cast<unsigned char>(bytes[at])));
            ++at;
        } else {
            name += QString::fromUtf8(bytes.data() + at, qsizetype(length));
            at += length;
        }
    }
    return name;
}

std::string NativeFileName(const QString& name)
{
    std::string bytes;
    const qsizetype size = name.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t unit = name.at(i).unicode();
        if (unit >= EscapeBase + 0x80 && unit <= EscapeBase + 0xFF) {
            bytes += static_cast<char>(unit - EscapeBase);
            continue;
        }
        const bool pair
            = QChar::isHighSurrogate(unit) && i + 1 < size && name.at(i + 1).isLowSurrogate();
        bytes += name.mid(i, pair ? 2 : 1).toStdString();
        if (pair)
            ++i;
    }
    return bytes;
}

} // namespace corvane::drawing
