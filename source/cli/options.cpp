#include "options.h"

#include "messages.h"
#include "option_table.h"
#include "temperament.h"

#include "scale_catalogue.h"

#include <QChar>
#include <QList>
#include <QString>
#include <QStringDecoder>

#include <array>
#include <string_view>
#include <utility>

namespace corvane::cli {

namespace {

UsageError Error(std::string message)
{
    return UsageError { std::move(message) };
}

} // namespace

std::optional<std::string> SeparatorProblem(const std::string& text)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded
        = decoder(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
    if (decoder.hasError())
        return Say(QT_TRANSLATE_NOOP("corvane-frets", "le séparateur n'est pas de l'UTF-8 valide"));
    const auto codePoints = decoded.toUcs4();
    if (codePoints.size() != 1)
        return Say(QT_TRANSLATE_NOOP("corvane-frets", "le séparateur doit être un seul caractère"));
    const char32_t c = static_cast<char32_t>(codePoints.front());
    static constexpr std::u32string_view InNumbers = U"+-\u2212eEdD";
    if (!QChar::isPrint(c) || QChar::isSpace(c))
        return Say(QT_TRANSLATE_NOOP("corvane-frets",
            "le séparateur doit être un caractère visible, ni un blanc ni un caractère de "
            "contrôle"));
    if (QChar::isNumber(c) || InNumbers.find(c) != std::u32string_view::npos)
        return Say(QT_TRANSLATE_NOOP(
                       "corvane-frets", "le séparateur « %1 » pourrait être mal lu dans un nombre"),
            { text });
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
    if (const auto scale = board::ParseClassicScaleName(name))
        return std::string(fret::ScaleCatalogue[static_cast<std::size_t>(*scale)].text);
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

OptionWords SplitOptions(const std::vector<std::string>& arguments,
    bool (*known)(std::string_view name), bool (*flag)(std::string_view name))
{
    OptionWords words;
    const auto refuse = [&](std::string message) {
        words.error = UsageError { std::move(message) };
        return words;
    };
    for (std::size_t at = 0; at < arguments.size(); ++at) {
        std::string name = arguments[at];
        if (name == "--help" || name == "-h") {
            words.help = true;
            continue;
        }
        if (name.rfind("--", 0) != 0)
            return refuse(
                Say(QT_TRANSLATE_NOOP("corvane-frets", "argument inattendu « %1 »"), { name }));
        std::optional<std::string> value;
        if (flag != nullptr && flag(name.substr(0, name.find('=')))) {
            if (name.find('=') != std::string::npos)
                return refuse(Say(
                    QT_TRANSLATE_NOOP("corvane-frets", "l'option « %1 » ne prend pas de valeur"),
                    { name.substr(0, name.find('=')) }));
            value = std::string();
        } else if (const auto equals = name.find('='); equals != std::string::npos) {
            value = name.substr(equals + 1);
            name.resize(equals);
        } else if (at + 1 < arguments.size()) {
            value = arguments[++at];
        }
        if (!known(name))
            return refuse(
                Say(QT_TRANSLATE_NOOP("corvane-frets", "option inconnue « %1 »"), { name }));
        if (!value)
            return refuse(
                Say(QT_TRANSLATE_NOOP("corvane-frets", "l'option « %1 » demande une valeur"),
                    { name }));
        // Which of two values was meant cannot be known: say so.
        if (words.find(name))
            return refuse(
                Say(QT_TRANSLATE_NOOP("corvane-frets", "l'option « %1 » est donnée deux fois"),
                    { name }));
        words.values.push_back({ name, *value });
    }
    return words;
}

namespace {

// The options the classic table takes (option_table.h).
bool ClassicOption(std::string_view name)
{
    const CommandOption* option = FindCommandOption(name);
    return option != nullptr && option->classic;
}

} // namespace

std::string UsageLine()
{
    const std::string file = Say(QT_TRANSLATE_NOOP("corvane-frets", "FICHIER"));
    return "corvane-frets --length " + Say(QT_TRANSLATE_NOOP("corvane-frets", "TEXTE"))
        + " --scale " + Say(QT_TRANSLATE_NOOP("corvane-frets", "GAMME")) + "|--edo N|--scl " + file
        + "|--table " + Say(QT_TRANSLATE_NOOP("corvane-frets", "NOM")) + "|--design " + file + " ["
        + Say(QT_TRANSLATE_NOOP("corvane-frets", "options")) + "]";
}

ParseResult ParseOptions(const std::vector<std::string>& arguments)
{
    Options options;
    bool haveLength = false;
    bool haveScale = false;

    const OptionWords words = SplitOptions(arguments, ClassicOption);
    if (words.error)
        return { std::nullopt, words.error };
    options.help = words.help;
    for (const auto& [name, text] : words.values) {
        const std::optional<std::string> value = text;
        if (name == "--length") {
            options.lengthText = *value;
            haveLength = true;
        } else if (name == "--scale") {
            options.scaleText = ScaleTextFor(*value);
            if (options.scaleText.empty())
                return { std::nullopt,
                    Error(Say(
                        QT_TRANSLATE_NOOP("corvane-frets", "gamme inconnue « %1 »"), { *value })) };
            haveScale = true;
        } else if (name == "--mode") {
            if (*value == "sol")
                options.mode = Mode::Sol;
            else if (*value == "do")
                options.mode = Mode::Do;
            else if (*value == "none")
                options.mode = Mode::None;
            else
                return { std::nullopt,
                    Error(Say(
                        QT_TRANSLATE_NOOP("corvane-frets", "mode inconnu « %1 »"), { *value })) };
        } else if (name == "--format") {
            const auto format = FormatFromName(*value);
            if (!format)
                return { std::nullopt,
                    Error(Say(
                        QT_TRANSLATE_NOOP("corvane-frets", "format inconnu « %1 »"), { *value })) };
            options.format = *format;
        } else if (name == "--template") {
            if (value->empty())
                return { std::nullopt,
                    Error(Say(QT_TRANSLATE_NOOP(
                        "corvane-frets", "--template demande un nom de fichier"))) };
            options.templatePath = *value;
        } else if (name == "--unit") {
            const auto unit = drawing::UnitFromSymbol(*value);
            if (!unit)
                return { std::nullopt,
                    Error(Say(
                        QT_TRANSLATE_NOOP("corvane-frets", "unité inconnue « %1 » (mm, cm ou in)"),
                        { *value })) };
            options.unit = *unit;
        } else if (name == "--paper") {
            const auto paper = drawing::PaperFromName(*value);
            if (!paper)
                return { std::nullopt,
                    Error(Say(QT_TRANSLATE_NOOP("corvane-frets",
                                  "papier inconnu « %1 » (a4, letter, a3 ou legal)"),
                        { *value })) };
            options.paper = *paper;
        } else if (name == "--board-width") {
            options.boardWidthText = *value;
        } else {
            if (const auto problem = SeparatorProblem(*value))
                return { std::nullopt, Error(*problem) };
            options.separator = *value;
        }
    }

    if (options.help)
        return { options, std::nullopt };
    if (!haveLength)
        return { std::nullopt,
            Error(Say(QT_TRANSLATE_NOOP("corvane-frets", "--length est obligatoire"))) };
    if (!haveScale)
        return { std::nullopt,
            Error(Say(QT_TRANSLATE_NOOP("corvane-frets", "--scale est obligatoire"))) };
    return { options, std::nullopt };
}

} // namespace corvane::cli
