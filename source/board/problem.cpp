#include "problem.h"

#include <cstring>
#include <utility>

namespace corvane::board {

ProblemValue ProblemValue::Length(double millimetres, std::string after)
{
    ProblemValue value;
    value.kind = Kind::Length;
    value.number = millimetres;
    value.text = std::move(after);
    return value;
}

ProblemValue ProblemValue::Number(double number, std::string unit, int decimals)
{
    ProblemValue value;
    value.kind = Kind::Number;
    value.number = number;
    value.text = std::move(unit);
    value.decimals = decimals;
    return value;
}

ProblemValue ProblemValue::Count(long long count)
{
    return ProblemValue(std::to_string(count));
}

std::string QuotedValue(std::string_view text, std::size_t longest)
{
    std::string quoted;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size();) {
        if (characters == longest)
            return quoted + "\u2026";
        const auto byte = static_cast<unsigned char>(text[i]);
        // The length of a well-formed UTF-8 sequence starting here; 0 for a
        // stray byte.
        std::size_t length = byte < 0x80 ? 1
            : (byte & 0xE0) == 0xC0      ? 2
            : (byte & 0xF0) == 0xE0      ? 3
            : (byte & 0xF8) == 0xF0      ? 4
                                         : 0;
        for (std::size_t k = 1; k < length; ++k)
            if (i + k >= text.size() || (static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                length = 0;
        constexpr std::string_view Hex = "0123456789abcdef";
        if (byte == '\n')
            quoted += "\\n";
        else if (byte == '\r')
            quoted += "\\r";
        else if (byte == '\t')
            quoted += "\\t";
        else if (length == 0 || byte < 0x20 || byte == 0x7F)
            quoted += std::string("\\x") + Hex[byte >> 4] + Hex[byte & 15];
        else
            quoted.append(text.substr(i, length));
        i += length == 0 ? 1 : length;
        ++characters;
    }
    return quoted;
}

Problem WriteProblemOf(const files::WriteProblem& problem)
{
    using files::WriteFailure;
    const auto reason = [&]() -> Problem {
        switch (problem.failure) {
        case WriteFailure::NoSuchFolder:
            return { ProblemKind::WriteNoSuchFolder, {}, {} };
        case WriteFailure::PermissionDenied:
            return { ProblemKind::WritePermissionDenied, {}, {} };
        case WriteFailure::ReadOnlyFile:
            return { ProblemKind::WriteReadOnlyFile, {}, {} };
        case WriteFailure::DiskFull:
            return { ProblemKind::WriteDiskFull, {}, {} };
        case WriteFailure::ReadOnlyMedium:
            return { ProblemKind::WriteReadOnlyMedium, {}, {} };
        case WriteFailure::IsAFolder:
            return { ProblemKind::WriteIsAFolder, {}, {} };
        case WriteFailure::NotARegularFile:
            return { ProblemKind::WriteNotARegularFile, {}, {} };
        case WriteFailure::NameTooLong:
            return { ProblemKind::WriteNameTooLong, {}, {} };
        case WriteFailure::TooManyLinks:
            return { ProblemKind::WriteTooManyLinks, {}, {} };
        case WriteFailure::Incomplete:
            return { ProblemKind::WriteIncomplete, {}, {} };
        case WriteFailure::System:
            break;
        }
        return { ProblemKind::WriteSystemError, { std::strerror(problem.systemError) }, {} };
    };
    return { ProblemKind::FileNotWritten, { problem.path }, { reason() } };
}

} // namespace corvane::board
