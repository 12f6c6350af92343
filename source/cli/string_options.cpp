#include "string_options.h"

#include "messages.h"

#include "plain_number.h"
#include "string_catalogue.h"
#include "units.h"

#include <algorithm>

namespace corvane::cli {

namespace {

std::vector<std::string> CommaSeparated(const std::string& text)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        parts.push_back(text.substr(start, comma - start));
        if (comma == std::string::npos)
            return parts;
        start = comma + 1;
    }
}

} // namespace

std::optional<std::string> ApplyStringOptions(
    const OptionWords& words, board::Design& design, bool stringsGiven)
{
    board::Stringing& stringing = design.stringing;
    if (const std::string* set = words.find("--string-set")) {
        std::vector<std::string> items;
        if (const board::NamedStringSet* named = board::FindNamedStringSet(*set)) {
            items = named->items;
            if (!words.find("--tuning"))
                stringing.tuning = named->tuning;
        } else {
            items = CommaSeparated(*set);
            if (items.size() == 1 && !board::FindCatalogueItem(items.front())
                && !board::ParseUnitWeight(items.front(), std::nullopt)) {
                std::string names;
                for (const board::NamedStringSet& known : board::NamedStringSets())
                    names += (names.empty() ? "" : ", ") + known.name;
                return Say(QT_TRANSLATE_NOOP("corvane-frets",
                               "--string-set %1 : ni jeu connu (%2) ni article du catalogue"),
                    { *set, names });
            }
        }
        stringing.set.clear();
        // An item of the catalogue, or a unit weight with its unit ("6.8g/m").
        for (std::string& item : items) {
            board::SetString chosen;
            if (const auto weight = board::ParseUnitWeight(item, std::nullopt);
                weight && !board::FindCatalogueItem(item))
                chosen.unitWeightKgPerM = weight;
            else
                chosen.item = std::move(item);
            stringing.set.push_back(std::move(chosen));
        }
    }
    if (const std::string* tuning = words.find("--tuning"))
        stringing.tuning = CommaSeparated(*tuning);
    if (!stringsGiven && !stringing.set.empty() && stringing.set.size() <= board::MaxStrings)
        design.strings = static_cast<int>(stringing.set.size());
    if (words.find("--compensate"))
        stringing.compensation = board::CompensationMode::Computed;
    if (words.find("--fretlets"))
        stringing.fretlets = true;
    return std::nullopt;
}

} // namespace corvane::cli
