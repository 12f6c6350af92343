#pragma once

// The string catalogue shipped with Corvane (data/strings): the unit
// weights of the string maker's chart by item number, named sets, and the
// string constants published for some items.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::board {

enum class StringMaterial { PlainSteel, WoundSteel, Nylon, WoundNylon };

// kappa and B0 as measured at one length and pitch.
struct PublishedConstants {
    double kappa = 0;
    double b0 = 0;
    double lengthMm = 0;
    double frequencyHz = 0;
};

struct CatalogueItem {
    std::string id; // "PL010"
    double unitWeightKgPerM = 0;
    std::string category; // "Acoustic or Electric Guitar"
    std::string group; // "Plain Steel - Lock Twist"
    std::optional<double> gaugeIn;
    StringMaterial material = StringMaterial::WoundSteel;
    std::optional<PublishedConstants> constants;
};

struct NamedStringSet {
    std::string name; // "light-electric-10-46"
    std::string title; // for lists: French
    std::string englishTitle; // and English
    std::vector<std::string> tuning; // bass first
    std::vector<std::string> items; // bass first
};

const std::vector<CatalogueItem>& StringCatalogue();
// By item number, any case; nothing when the chart has no such item.
const CatalogueItem* FindCatalogueItem(std::string_view id);

const std::vector<NamedStringSet>& NamedStringSets();
const NamedStringSet* FindNamedStringSet(std::string_view name);

} // namespace corvane::board
