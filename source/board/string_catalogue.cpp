#include "string_catalogue.h"

#include "csv.h"

#include "pitch.h"
#include "plain_number.h"
#include "string_catalogue_data.h"
#include "string_physics.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace corvane::board {

namespace {

// A chart gauge above this is an item number read as a gauge.
constexpr double LargestGaugeIn = 0.25;

std::vector<std::string> Words(std::string_view text)
{
    std::vector<std::string> words;
    std::string word;
    for (const char c : text) {
        if (c == ' ') {
            if (!word.empty())
                words.push_back(std::move(word));
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.empty())
        words.push_back(std::move(word));
    return words;
}

bool Contains(std::string_view text, std::string_view part)
{
    return text.find(part) != std::string_view::npos;
}

StringMaterial MaterialOf(
    const std::string& id, const std::string& category, const std::string& group)
{
    if (category == "Classical Guitar" || Contains(group, "Nylon"))
        return Contains(group, "Wound") ? StringMaterial::WoundNylon : StringMaterial::Nylon;
    if (Contains(group, "Plain") || id.starts_with("PL") || id.starts_with("KPL"))
        return StringMaterial::PlainSteel;
    return StringMaterial::WoundSteel;
}

bool SameId(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x))
            == std::toupper(static_cast<unsigned char>(y));
    });
}

std::vector<CatalogueItem> ReadCatalogue()
{
    std::vector<CatalogueItem> items;
    for (const auto& row : ReadCsvRows(catalogue_data::UnitWeights)) {
        if (row.size() < 5)
            continue;
        const auto weight = ReadPlainNumber(row[1]);
        if (!weight)
            continue;
        CatalogueItem item { row[0], *weight * KgPerMPerLbPerIn, row[2], row[3], {},
            MaterialOf(row[0], row[2], row[3]), {} };
        const std::string gauge = row[4].starts_with('.') ? "0" + row[4] : row[4];
        if (const auto inches = ReadPlainNumber(gauge);
            inches && *inches > 0 && *inches <= LargestGaugeIn)
            item.gaugeIn = inches;
        items.push_back(std::move(item));
    }
    for (const auto& row : ReadCsvRows(catalogue_data::PublishedConstants)) {
        if (row.size() < 5)
            continue;
        const auto pitch = ParsePitch(row[1]);
        const auto length = ReadPlainNumber(row[2]), kappa = ReadPlainNumber(row[3]),
                   b0 = ReadPlainNumber(row[4]);
        const auto item = std::find_if(
            items.begin(), items.end(), [&](const CatalogueItem& i) { return i.id == row[0]; });
        if (pitch && length && kappa && b0 && item != items.end())
            item->constants = PublishedConstants { *kappa, *b0, *length, pitch->frequencyHz };
    }
    return items;
}

std::vector<NamedStringSet> ReadSets()
{
    std::vector<NamedStringSet> sets;
    for (const auto& row : ReadCsvRows(catalogue_data::Sets))
        if (row.size() >= 5)
            sets.push_back({ row[0], row[1], row[2], Words(row[3]), Words(row[4]) });
    return sets;
}

} // namespace

const std::vector<CatalogueItem>& StringCatalogue()
{
    static const std::vector<CatalogueItem> catalogue = ReadCatalogue();
    return catalogue;
}

const CatalogueItem* FindCatalogueItem(std::string_view id)
{
    const auto& catalogue = StringCatalogue();
    const auto found = std::find_if(catalogue.begin(), catalogue.end(),
        [&](const CatalogueItem& item) { return SameId(item.id, id); });
    return found == catalogue.end() ? nullptr : &*found;
}

const std::vector<NamedStringSet>& NamedStringSets()
{
    static const std::vector<NamedStringSet> sets = ReadSets();
    return sets;
}

const NamedStringSet* FindNamedStringSet(std::string_view name)
{
    const auto& sets = NamedStringSets();
    const auto found = std::find_if(sets.begin(), sets.end(),
        [&](const NamedStringSet& set) { return SameId(set.name, name); });
    return found == sets.end() ? nullptr : &*found;
}

} // namespace corvane::board
