#include "options.h"

#include "scale_catalogue.h"

#include <QChar>
#include <QString>
#include <QList>
#include <QStringDecoder>

#include <array>
#include <string_view>
#include <utility>

namespace corvane::cli {

namespace {

struct ScaleName {
    std::string_view name;
    std::string_view listText;
};

constexpr std::array<ScaleName, 6> ScaleNames{{
    {"tempered-diatonic", "Tempérée Diatonique"},
    {"tempered-chromatic", "Tempérée Chromatique"},
    {"natural-diatonic", "Naturelle   Diatonique"},
    {"natural-chromatic", "Naturelle   Chromatique"},
    {"pythagorean-diatonic", "Pythagore Diatonique"},
    {"pythagorean-chromatic", "Pythagore Chromatique"},
}};

UsageError Error(std::string message) { return UsageError{std::move(message)}; }

} // namespace

std::optional<std::string> SeparatorProblem(const std::string& text)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = decoder(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
    if (decoder.hasError())
        return "the separator is not valid UTF-8";
    const auto codePoints = decoded.toUcs4();
    if (codePoints.size() != 1)
        return "the separator must be one character";
    const char32_t c = static_cast<char32_t>(codePoints.front());
    static constexpr std::u32string_view InNumbers = U"+-\u2212eEdD";
    if (!QChar::isPrint(c) || QChar::isSpace(c))
        return std::string("the separator must be a visible character, not a blank or a control");
    if (QChar::isNumber(c) || InNumbers.find(c) != std::u32string_view::npos)
        return "the separator '" + text + "' could be misread in a number";
    return std::nullopt;
}

std::optional<Format> FormatFromName(std::string_view name) noexcept
{
    if (name == "text")
        return Format::Text;
    if (name == "csv")
        return Format::Csv;
    if (name == "json")
        return Format::Json;
    return std::nullopt;
}

std::string ScaleTextFor(const std::string& name)
{
    for (const ScaleName& entry : ScaleNames)
        if (entry.name == name)
            return std::string(entry.listText);
    if (fret::FindScaleChoice(name) != nullptr)
        return name;
    return {};
}

const std::string* OptionWords::find(std::string_view name) const
{
    for (const OptionValue& value : values)
        if (value.name == name)
            return &value.text;
    return nullptr;
}

OptionWords SplitOptions(const std::vector<std::string>& arguments, bool (*known)(std::string_view name))
{
    OptionWords words;
    const auto refuse = [&](std::string message) {
        words.error = UsageError{std::move(message)};
        return words;
    };
    for (std::size_t at = 0; at < arguments.size(); ++at) {
        std::string name = arguments[at];
        if (name == "--help" || name == "-h") {
            words.help = true;
            continue;
        }
        if (name.rfind("--", 0) != 0)
            return refuse("unexpected argument '" + name + "'");
        std::optional<std::string> value;
        if (const auto equals = name.find('='); equals != std::string::npos) {
            value = name.substr(equals + 1);
            name.resize(equals);
        } else if (at + 1 < arguments.size()) {
            value = arguments[++at];
        }
        if (!known(name))
            return refuse("unknown option '" + name + "'");
        if (!value)
            return refuse("option '" + name + "' needs a value");
        // Which of two values was meant cannot be known: say so.
        if (words.find(name))
            return refuse("option '" + name + "' given twice");
        words.values.push_back({name, *value});
    }
    return words;
}

namespace {

bool ClassicOption(std::string_view name)
{
    return name == "--length" || name == "--scale" || name == "--mode" || name == "--format"
        || name == "--separator" || name == "--template" || name == "--unit" || name == "--paper"
        || name == "--board-width";
}

} // namespace

ParseResult ParseOptions(const std::vector<std::string>& arguments)
{
    Options options;
    bool haveLength = false;
    bool haveScale = false;

    const OptionWords words = SplitOptions(arguments, ClassicOption);
    if (words.error)
        return {std::nullopt, words.error};
    options.help = words.help;
    for (const auto& [name, text] : words.values) {
        const std::optional<std::string> value = text;
        if (name == "--length") {
            options.lengthText = *value;
            haveLength = true;
        } else if (name == "--scale") {
            options.scaleText = ScaleTextFor(*value);
            if (options.scaleText.empty())
                return {std::nullopt, Error("unknown scale '" + *value + "'")};
            haveScale = true;
        } else if (name == "--mode") {
            if (*value == "sol")
                options.mode = Mode::Sol;
            else if (*value == "do")
                options.mode = Mode::Do;
            else if (*value == "none")
                options.mode = Mode::None;
            else
                return {std::nullopt, Error("unknown mode '" + *value + "'")};
        } else if (name == "--format") {
            const auto format = FormatFromName(*value);
            if (!format)
                return {std::nullopt, Error("unknown format '" + *value + "'")};
            options.format = *format;
        } else if (name == "--template") {
            if (value->empty())
                return {std::nullopt, Error("--template needs a file name")};
            options.templatePath = *value;
        } else if (name == "--unit") {
            const auto unit = drawing::UnitFromSymbol(*value);
            if (!unit)
                return {std::nullopt, Error("unknown unit '" + *value + "' (mm, cm or in)")};
            options.unit = *unit;
        } else if (name == "--paper") {
            const auto paper = drawing::PaperFromName(*value);
            if (!paper)
                return {std::nullopt, Error("unknown paper '" + *value + "' (a4, letter, a3 or legal)")};
            options.paper = *paper;
        } else if (name == "--board-width") {
            options.boardWidthText = *value;
        } else {
            if (const auto problem = SeparatorProblem(*value))
                return {std::nullopt, Error(*problem)};
            options.separator = *value;
        }
    }

    if (options.help)
        return {options, std::nullopt};
    if (!haveLength)
        return {std::nullopt, Error("--length is required")};
    if (!haveScale)
        return {std::nullopt, Error("--scale is required")};
    return {options, std::nullopt};
}

} // namespace corvane::cli
