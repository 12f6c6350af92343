#include "design_file.h"

#include "enum_table.h"

#include "fields.h"
#include "layout.h"
#include "read_file.h"
#include "text_encoding.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <system_error>

namespace corvane::board {

namespace {

using Json = nlohmann::ordered_json;

// A problem with one field; thrown inside the reader only.
struct FieldProblem {
    std::string field;
    Problem problem;
};

[[noreturn]] void Fail(
    const std::string& field, ProblemKind kind, std::vector<ProblemValue> values = {})
{
    throw FieldProblem { field, Problem { kind, std::move(values), {} } };
}

// --- Base64, for Scala files whose bytes are not UTF-8 ---------------------

constexpr std::string_view Base64Alphabet
    = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

std::string EncodeBase64(std::string_view bytes)
{
    std::string text;
    std::size_t i = 0;
    for (; i + 2 < bytes.size(); i += 3) {
        const unsigned value = static_cast<unsigned>(static_cast<unsigned char>(bytes[i])) << 16
            | static_cast<unsigned>(static_cast<unsigned char>(bytes[i + 1])) << 8
            | static_cast<unsigned>(static_cast<unsigned char>(bytes[i + 2]));
        for (int shift = 18; shift >= 0; shift -= 6)
            text += Base64Alphabet[(value >> shift) & 63U];
    }
    const std::size_t left = bytes.size() - i;
    if (left > 0) {
        unsigned value = static_cast<unsigned>(static_cast<unsigned char>(bytes[i])) << 16;
        if (left == 2)
            value |= static_cast<unsigned>(static_cast<unsigned char>(bytes[i + 1])) << 8;
        text += Base64Alphabet[(value >> 18) & 63U];
        text += Base64Alphabet[(value >> 12) & 63U];
        text += left == 2 ? Base64Alphabet[(value >> 6) & 63U] : '=';
        text += '=';
    }
    return text;
}

std::optional<std::string> DecodeBase64(std::string_view text)
{
    std::string bytes;
    unsigned value = 0;
    int bits = 0;
    std::size_t padding = 0;
    for (const char c : text) {
        if (c == '=') {
            ++padding;
            continue;
        }
        const std::size_t index = Base64Alphabet.find(c);
        if (index == std::string_view::npos || padding > 0)
            return std::nullopt;
        value = (value << 6) | static_cast<unsigned>(index);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            bytes += static_cast<char>((value >> bits) & 0xFFU);
        }
    }
    if (padding > 2)
        return std::nullopt;
    return bytes;
}

// --- Writing ---------------------------------------------------------------

Json TemperamentToJson(const TemperamentSource& source)
{
    Json json;
    if (const auto* equal = std::get_if<EqualDivisions>(&source)) {
        json["kind"] = "equal";
        json["divisions"] = equal->divisions;
        json["period"] = equal->period.Text();
    } else if (const auto* scala = std::get_if<ScalaSource>(&source)) {
        json["kind"] = "scala";
        json["file_name"] = IsValidUtf8(scala->fileName) ? scala->fileName : std::string();
        if (IsValidUtf8(scala->content))
            json["content"] = scala->content;
        else
            json["content_base64"] = EncodeBase64(scala->content);
    } else if (const auto* classic = std::get_if<ClassicSource>(&source)) {
        json["kind"] = "classic";
        json["scale"] = ClassicScaleName(classic->scale);
        json["mode"] = classic->mode == ClassicMode::Sol ? "sol" : "do";
    } else {
        json["kind"] = "builtin";
        json["table"] = BuiltinTableName(std::get<BuiltinSource>(source).table);
    }
    return json;
}

// A string's numbers, by their keys.
constexpr std::pair<const char*, std::optional<double> SetString::*> SetStringNumbers[] = {
    { "unit_weight_kg_per_m", &SetString::unitWeightKgPerM },
    { "gauge_in", &SetString::gaugeIn },
    { "kappa", &SetString::kappa },
    { "b0", &SetString::b0 },
    { "core_diameter_mm", &SetString::coreDiameterMm },
    { "nut_clearance_mm", &SetString::nutClearanceMm },
    { "saddle_height_mm", &SetString::saddleHeightMm },
};

constexpr std::array<std::pair<CompensationMode, std::string_view>, 3> CompensationModes = { {
    { CompensationMode::None, "none" },
    { CompensationMode::Manual, "manual" },
    { CompensationMode::Computed, "computed" },
} };

void StringingToJson(const Stringing& stringing, Json& json)
{
    if (!stringing.tuning.empty())
        json["tuning"] = stringing.tuning;
    json["reference_a4_hz"] = stringing.referenceA4Hz;
    if (!stringing.set.empty()) {
        Json set = Json::array();
        for (const SetString& chosen : stringing.set) {
            Json string = Json::object();
            if (!chosen.item.empty())
                string["item"] = chosen.item;
            for (const auto& [key, member] : SetStringNumbers)
                if (chosen.*member)
                    string[key] = *(chosen.*member);
            set.push_back(std::move(string));
        }
        json["string_set"] = std::move(set);
    }
    for (const auto& [mode, name] : CompensationModes)
        if (mode == stringing.compensation)
            json["compensation"] = { { "mode", name }, { "fretlets", stringing.fretlets } };
    if (stringing.saddle != SaddleShape::PerString)
        json["compensation"]["straight_saddle"] = NameIn(SaddleShapeNames, stringing.saddle);
}

// A key of the field table: its object in the file ("action"), or none, and
// its name there.
std::pair<std::string_view, std::string_view> FileKey(std::string_view key)
{
    const std::size_t dot = key.find('.');
    if (dot == std::string_view::npos)
        return { {}, key };
    return { key.substr(0, dot), key.substr(dot + 1) };
}

// The numbers of the field table, at the top or in their objects; an
// object's numbers only where the design has something of it to say (no
// action without strings, no router values a design never changed).
void NumbersToJson(const Design& design, Json& json)
{
    const bool strings = design.stringing != Stringing {};
    const auto written = [&](std::string_view object) {
        if (object.empty() || object == "action" || object == "compensation")
            return object.empty() || strings;
        return object == "cut" ? design.cut != CutOptions {} : design.router != RouterValues {};
    };
    for (const NumberField& field : NumberFields()) {
        const auto [object, name] = FileKey(field.key);
        if (!written(object) || (field.optional && field.get(design) == 0)
            || (field.key == "reference_a4_hz" && !strings))
            continue;
        Json& holder = object.empty() ? json : json[std::string(object)];
        if (field.quantity == Quantity::Count)
            holder[std::string(name)] = static_cast<int>(field.get(design));
        else
            holder[std::string(name)] = field.get(design);
    }
    if (written("cut")) {
        json["cut"]["markers"] = design.cut.markers;
        json["cut"]["hairline"] = design.cut.hairline;
    }
    if (written("router")) {
        json["router"]["origin"] = RouterOriginName(design.router.origin);
        if (design.router.followRadius)
            json["router"]["follow_radius"] = true;
    }
}

// --- Reading ---------------------------------------------------------------

const Json& Member(const Json& object, const std::string& key, const std::string& field)
{
    const auto found = object.find(key);
    if (found == object.end())
        Fail(field, ProblemKind::FieldMissing);
    return *found;
}

std::string String(const Json& value, const std::string& field)
{
    if (!value.is_string())
        Fail(field, ProblemKind::TextExpected);
    return value.get<std::string>();
}

int Integer(const Json& value, const std::string& field)
{
    if (!value.is_number_integer())
        Fail(field, ProblemKind::IntegerExpected);
    const auto number = value.get<long long>();
    if (number < -1'000'000 || number > 1'000'000)
        Fail(field, ProblemKind::IntegerBeyondMeasure, { std::to_string(number) });
    return static_cast<int>(number);
}

double Number(const Json& value, const std::string& field)
{
    if (!value.is_number())
        Fail(field, ProblemKind::NumberExpected);
    return value.get<double>();
}

void CheckKeys(
    const Json& object, std::initializer_list<std::string_view> known, const std::string& prefix)
{
    for (const auto& item : object.items()) {
        bool found = false;
        for (const std::string_view key : known)
            found = found || key == item.key();
        if (!found)
            Fail(prefix + item.key(), ProblemKind::UnknownField);
    }
}

TemperamentSource TemperamentFromJson(const Json& json)
{
    if (!json.is_object())
        Fail("temperament", ProblemKind::ObjectExpected);
    const std::string kind = String(Member(json, "kind", "temperament.kind"), "temperament.kind");
    if (kind == "equal") {
        CheckKeys(json, { "kind", "divisions", "period" }, "temperament.");
        EqualDivisions equal;
        equal.divisions
            = Integer(Member(json, "divisions", "temperament.divisions"), "temperament.divisions");
        if (json.contains("period")) {
            const auto period = ParsePeriod(String(json["period"], "temperament.period"));
            if (!period)
                throw FieldProblem { "temperament.period", period.problem };
            equal.period = *period.value;
        }
        return equal;
    }
    if (kind == "scala") {
        CheckKeys(json, { "kind", "file_name", "content", "content_base64" }, "temperament.");
        ScalaSource scala;
        if (json.contains("file_name"))
            scala.fileName = String(json["file_name"], "temperament.file_name");
        if (json.contains("content_base64")) {
            auto bytes = DecodeBase64(String(json["content_base64"], "temperament.content_base64"));
            if (!bytes)
                Fail("temperament.content_base64", ProblemKind::Base64Unreadable);
            scala.content = std::move(*bytes);
        } else {
            scala.content
                = String(Member(json, "content", "temperament.content"), "temperament.content");
        }
        return scala;
    }
    if (kind == "classic") {
        CheckKeys(json, { "kind", "scale", "mode" }, "temperament.");
        ClassicSource classic;
        const std::string scale
            = String(Member(json, "scale", "temperament.scale"), "temperament.scale");
        const auto parsed = ParseClassicScaleName(scale);
        if (!parsed)
            Fail("temperament.scale", ProblemKind::UnknownClassicScale, { scale });
        classic.scale = *parsed;
        if (json.contains("mode")) {
            const std::string mode = String(json["mode"], "temperament.mode");
            if (mode != "sol" && mode != "do")
                Fail("temperament.mode", ProblemKind::ModeExpected, { mode });
            classic.mode = mode == "sol" ? ClassicMode::Sol : ClassicMode::Do;
        }
        return classic;
    }
    if (kind == "builtin") {
        CheckKeys(json, { "kind", "table" }, "temperament.");
        const std::string table
            = String(Member(json, "table", "temperament.table"), "temperament.table");
        const auto parsed = ParseBuiltinTableName(table);
        if (!parsed)
            Fail("temperament.table", ProblemKind::UnknownTable, { table });
        return BuiltinSource { *parsed };
    }
    Fail("temperament.kind", ProblemKind::UnknownTemperamentKind, { kind });
}

Stringing StringingFromObject(const Json& json)
{
    Stringing stringing;
    if (json.contains("tuning")) {
        const Json& tuning = json["tuning"];
        if (!tuning.is_array())
            Fail("tuning", ProblemKind::ArrayExpected);
        for (const Json& pitch : tuning)
            stringing.tuning.push_back(String(pitch, "tuning"));
    }
    if (json.contains("string_set")) {
        const Json& set = json["string_set"];
        if (!set.is_array())
            Fail("string_set", ProblemKind::ArrayExpected);
        for (const Json& string : set) {
            if (!string.is_object())
                Fail("string_set", ProblemKind::ObjectExpected);
            SetString chosen;
            if (string.contains("item"))
                chosen.item = String(string["item"], "string_set.item");
            for (const auto& [key, member] : SetStringNumbers)
                if (string.contains(key))
                    chosen.*member = Number(string[key], std::string("string_set.") + key);
            stringing.set.push_back(std::move(chosen));
        }
    }
    if (json.contains("compensation")) {
        const Json& compensation = json["compensation"];
        if (!compensation.is_object())
            Fail("compensation", ProblemKind::ObjectExpected);
        if (compensation.contains("mode")) {
            const std::string mode = String(compensation["mode"], "compensation.mode");
            const auto named = std::find_if(CompensationModes.begin(), CompensationModes.end(),
                [&](const auto& entry) { return entry.second == mode; });
            if (named == CompensationModes.end())
                Fail("compensation.mode", ProblemKind::CompensationModeExpected, { mode });
            stringing.compensation = named->first;
        }
        if (compensation.contains("fretlets")) {
            if (!compensation["fretlets"].is_boolean())
                Fail("compensation.fretlets", ProblemKind::BooleanExpected);
            stringing.fretlets = compensation["fretlets"].get<bool>();
        }
        if (compensation.contains("straight_saddle")) {
            const std::string shape
                = String(compensation["straight_saddle"], "compensation.straight_saddle");
            const std::optional<SaddleShape> named = NamedIn(SaddleShapeNames, shape);
            if (!named)
                Fail("compensation.straight_saddle", ProblemKind::SaddleShapeExpected, { shape });
            stringing.saddle = *named;
        }
    }
    return stringing;
}

// The numbers of the field table the file holds, each where the table puts
// it; the design's own for those it leaves out.
void NumbersFromJson(const Json& json, Design& design)
{
    for (const char* object : { "action", "compensation", "cut", "router" })
        if (json.contains(object) && !json[object].is_object())
            Fail(object, ProblemKind::ObjectExpected);
    for (const NumberField& field : NumberFields()) {
        const auto [object, name] = FileKey(field.key);
        const std::string key(name);
        const Json* holder = object.empty()      ? &json
            : json.contains(std::string(object)) ? &json[std::string(object)]
                                                 : nullptr;
        if (holder == nullptr || !holder->contains(key))
            continue;
        const std::string where(field.key);
        field.set(design,
            field.quantity == Quantity::Count ? Integer((*holder)[key], where)
                                              : Number((*holder)[key], where));
    }
    if (json.contains("cut")) {
        const Json& cut = json["cut"];
        for (const auto& [key, flag] : { std::pair { "markers", &design.cut.markers },
                 std::pair { "hairline", &design.cut.hairline } })
            if (cut.contains(key)) {
                if (!cut[key].is_boolean())
                    Fail(std::string("cut.") + key, ProblemKind::BooleanExpected);
                *flag = cut[key].get<bool>();
            }
    }
    if (json.contains("left_handed")) {
        if (!json["left_handed"].is_boolean())
            Fail("left_handed", ProblemKind::BooleanExpected);
        design.leftHanded = json["left_handed"].get<bool>();
    }
    if (json.contains("board_end_shape")) {
        const std::string shape = String(json["board_end_shape"], "board_end_shape");
        const std::optional<BoardEndShape> named = BoardEndShapeNamed(shape);
        if (!named)
            Fail("board_end_shape", ProblemKind::BoardEndShapeExpected, { shape });
        design.boardEndShape = *named;
    }
    if (json.contains("string_lengths")) {
        const Json& lengths = json["string_lengths"];
        if (!lengths.is_array())
            Fail("string_lengths", ProblemKind::ArrayExpected);
        design.stringLengthsMm.clear();
        for (const Json& length : lengths)
            design.stringLengthsMm.push_back(Number(length, "string_lengths"));
        if (!design.stringLengthsMm.empty()) {
            design.bassLengthMm = design.stringLengthsMm.front();
            design.trebleLengthMm = design.stringLengthsMm.back();
        }
    }
    if (json.contains("spacing")) {
        const std::string spacing = String(json["spacing"], "spacing");
        const std::optional<StringSpacing> named = StringSpacingNamed(spacing);
        if (!named)
            Fail("spacing", ProblemKind::SpacingExpected, { spacing });
        design.spacing = *named;
    }
    if (json.contains("router") && json["router"].contains("origin")) {
        const std::string origin = String(json["router"]["origin"], "router.origin");
        const std::optional<RouterOrigin> named = RouterOriginNamed(origin);
        if (!named)
            Fail("router.origin", ProblemKind::RouterOriginExpected, { origin });
        design.router.origin = *named;
    }
    if (json.contains("router") && json["router"].contains("follow_radius")) {
        if (!json["router"]["follow_radius"].is_boolean())
            Fail("router.follow_radius", ProblemKind::BooleanExpected);
        design.router.followRadius = json["router"]["follow_radius"].get<bool>();
    }
}

Design DesignFromObject(const Json& json)
{
    if (!json.is_object())
        Fail("", ProblemKind::NotAJsonObject);
    const std::string format = String(Member(json, "format", "format"), "format");
    if (format != DesignFileFormat)
        Fail("format", ProblemKind::NotABoardDesign, { format });
    const int version = Integer(Member(json, "version", "version"), "version");
    if (version < 1 || version > DesignFileVersion)
        Fail("version", ProblemKind::UnknownVersion,
            { std::to_string(version), std::to_string(DesignFileVersion) });

    Design design;
    if (json.contains("unit")) {
        const std::string unit = String(json["unit"], "unit");
        const auto parsed = UnitFromSymbol(unit);
        if (!parsed)
            Fail("unit", ProblemKind::UnitExpected, { unit });
        design.unit = *parsed;
    }
    design.temperament = TemperamentFromJson(Member(json, "temperament", "temperament"));
    for (const char* required : { "frets", "strings", "bass_length" })
        Member(json, required, required);
    if (json.contains("perpendicular_fret")) {
        const Json& value = json["perpendicular_fret"];
        if (value.is_string()) {
            const std::string where = value.get<std::string>();
            if (where == "nut")
                design.perpendicularFret = 0;
            else if (where == "bridge")
                design.perpendicularFret = PerpendicularAtBridge;
            else
                Fail("perpendicular_fret", ProblemKind::PerpendicularNameExpected, { where });
        } else {
            design.perpendicularFret = Integer(value, "perpendicular_fret");
            if (design.perpendicularFret < 0)
                Fail("perpendicular_fret", ProblemKind::PerpendicularExpected);
        }
    }
    if (json.contains("open_note")) {
        const std::string note = String(json["open_note"], "open_note");
        const auto parsed = ParseNoteName(note);
        if (!parsed)
            Fail("open_note", ProblemKind::NotANoteName, { note });
        design.openNote = *parsed;
    }
    design.stringing = StringingFromObject(json);
    NumbersFromJson(json, design);
    // A board drawn straight unless the file says its treble is another length.
    if (!json.contains("treble_length"))
        design.trebleLengthMm = design.bassLengthMm;
    return design;
}

// A file's problem: its field, by its key in the file, goes before the
// sentence.
// A file's problem: its field is the file's key, or none for the file.
DesignError FileError(std::string field, Problem problem)
{
    return { std::move(field), std::move(problem) };
}

DesignError FileError(ProblemKind kind, std::vector<ProblemValue> values = {})
{
    return { {}, { kind, std::move(values), {} } };
}

// Field names in ValidateDesign are the file's, except that the
// temperament's own fields sit inside "temperament".
std::string FileField(const std::string& field)
{
    if (field == "divisions" || field == "period" || field == "scala" || field == "classic_scale")
        return "temperament"
            + (field == "scala"                ? std::string(".content")
                    : field == "classic_scale" ? std::string(".scale")
                                               : "." + field);
    return field;
}

} // namespace

std::string DesignToJson(const Design& design)
{
    Json json;
    json["format"] = DesignFileFormat;
    json["version"] = 1;
    json["unit"] = UnitSymbol(design.unit);
    json["temperament"] = TemperamentToJson(design.temperament);
    if (design.perpendicularFret == PerpendicularAtBridge)
        json["perpendicular_fret"] = "bridge";
    else
        json["perpendicular_fret"] = design.perpendicularFret;
    json["open_note"] = NoteName(design.openNote);
    // The oldest version that holds everything the design has: a design
    // without strings opens in the first Corvane with boards.
    if (design.stringing != Stringing {}) {
        json["version"] = 2;
        StringingToJson(design.stringing, json);
    }
    if (design.cut != CutOptions {} || design.router != RouterValues {})
        json["version"] = 3;
    if (design.leftHanded || design.IsRadiused() || design.router.followRadius
        || design.router.bedLengthMm != 0 || design.zeroFretMm != 0
        || design.spacing != StringSpacing::Centres
        || design.stringing.saddle != SaddleShape::PerString || !design.stringLengthsMm.empty()
        || design.boardEndMm != 0 || design.boardEndShape != BoardEndShape::Square)
        json["version"] = 4;
    if (design.leftHanded)
        json["left_handed"] = true;
    if (design.boardEndShape != BoardEndShape::Square)
        json["board_end_shape"] = BoardEndShapeName(design.boardEndShape);
    if (design.spacing != StringSpacing::Centres)
        json["spacing"] = StringSpacingName(design.spacing);
    if (!design.stringLengthsMm.empty())
        json["string_lengths"] = design.stringLengthsMm;
    NumbersToJson(design, json);
    return json.dump(2) + "\n";
}

namespace {

// Keys a design file may hold besides the field table's numbers.
constexpr std::array<std::string_view, 16> OtherKeys = { "format", "version", "unit", "temperament",
    "perpendicular_fret", "open_note", "tuning", "string_set", "action", "compensation", "cut",
    "router", "left_handed", "board_end_shape", "spacing", "string_lengths" };
constexpr std::array<std::string_view, 9> TemperamentKeys = { "kind", "divisions", "period",
    "file_name", "content", "content_base64", "scale", "mode", "table" };

// Whether the table has a number of that name in that object ("" for the
// top of the file).
bool TableKey(std::string_view object, std::string_view name)
{
    for (const NumberField& field : NumberFields())
        if (FileKey(field.key) == std::pair { object, name })
            return true;
    return false;
}

template <std::size_t N>
bool Known(const std::array<std::string_view, N>& keys, std::string_view key)
{
    return std::find(keys.begin(), keys.end(), key) != keys.end();
}

// Stops the parse at the first key no design has, in the file's order: an
// ordered object looks its keys up one by one, so a file of a million
// unknown keys would otherwise take minutes to refuse.
class KeyGuard {
public:
    bool operator()(int depth, Json::parse_event_t event, Json& parsed)
    {
        // A string more than a board can have is refused as soon as it is
        // read: a file of a million strings would otherwise take minutes.
        if (depth == 2 && (topLevelKey_ == "string_set" || topLevelKey_ == "tuning")
            && (event == Json::parse_event_t::object_start
                || event == Json::parse_event_t::array_start || event == Json::parse_event_t::value)
            && ++elements_ > MaxStrings)
            Fail(topLevelKey_, ProblemKind::TooManyStrings, { std::to_string(MaxStrings) });
        if (event != Json::parse_event_t::key)
            return true;
        const std::string key = parsed.get<std::string>();
        if (depth == 1) {
            if (!Known(OtherKeys, key) && !TableKey({}, key))
                Fail(QuotedValue(key), ProblemKind::UnknownField);
            topLevelKey_ = key;
            elements_ = 0;
        } else if (!KnownInside(depth, key)) {
            Fail(topLevelKey_ + "." + QuotedValue(key), ProblemKind::UnknownField);
        }
        return true;
    }

private:
    bool KnownInside(int depth, const std::string& key) const
    {
        if (depth == 2 && topLevelKey_ == "temperament")
            return Known(TemperamentKeys, key);
        if (depth == 2 && topLevelKey_ == "compensation")
            return key == "mode" || key == "fretlets" || key == "straight_saddle"
                || TableKey(topLevelKey_, key);
        if (depth == 2 && topLevelKey_ == "cut")
            return key == "markers" || key == "hairline" || TableKey(topLevelKey_, key);
        if (depth == 2 && topLevelKey_ == "router")
            return key == "origin" || key == "follow_radius" || TableKey(topLevelKey_, key);
        if (depth == 2 && topLevelKey_ == "action")
            return TableKey(topLevelKey_, key);
        return depth == 3 && topLevelKey_ == "string_set"
            && (key == "item"
                || std::any_of(std::begin(SetStringNumbers), std::end(SetStringNumbers),
                    [&](const auto& number) { return key == number.first; }));
    }

    std::string topLevelKey_;
    int elements_ = 0; // of the top-level array being read
};

} // namespace

DesignReadResult DesignFromJson(std::string_view text)
{
    text = WithoutByteOrderMark(text);
    Json json;
    try {
        json = Json::parse(text.begin(), text.end(), KeyGuard());
    } catch (const FieldProblem& problem) {
        return { std::nullopt, FileError(problem.field, problem.problem) };
    } catch (const Json::parse_error& error) {
        return { std::nullopt,
            FileError(ProblemKind::JsonMalformed, { std::to_string(error.byte) }) };
    } catch (const Json::exception&) {
        // A number too large for a double, for one.
        return { std::nullopt, FileError(ProblemKind::JsonNumberBeyond) };
    }
    Design design;
    try {
        design = DesignFromObject(json);
    } catch (const FieldProblem& problem) {
        return { std::nullopt, FileError(problem.field, problem.problem) };
    } catch (const Json::exception&) {
        return { std::nullopt, FileError(ProblemKind::JsonUnusable) };
    }
    if (auto error = ValidateDesign(design)) {
        return { std::nullopt, FileError(FileField(error->field), std::move(error->problem)) };
    }
    // What only the laid-out board can tell (a radius against the board's
    // width where it ends, a square end against a fanned last fret): every
    // front end draws a design as soon as it opens, so a file opens only as
    // a design that computes.
    if (LayoutResult computed = ComputeLayout(design); !computed.layout) {
        return { std::nullopt,
            FileError(FileField(computed.error->field), std::move(computed.error->problem)) };
    }
    return { std::move(design), std::nullopt };
}

namespace {

// Why a file could not be read, to be phrased in the user's language.
Problem ReadFailureProblem(const files::ReadProblem& problem)
{
    switch (problem.failure) {
    case files::ReadFailure::NoSuchFile:
        return { ProblemKind::ReadNoSuchFile, {}, {} };
    case files::ReadFailure::PermissionDenied:
        return { ProblemKind::ReadPermissionDenied, {}, {} };
    case files::ReadFailure::IsAFolder:
        return { ProblemKind::ReadIsAFolder, {}, {} };
    case files::ReadFailure::NotARegularFile:
        return { ProblemKind::ReadNotARegularFile, {}, {} };
    case files::ReadFailure::TooLarge:
    case files::ReadFailure::System:
        break;
    }
    return { ProblemKind::ReadSystemError, { std::strerror(problem.systemError) }, {} };
}

// A named file's bytes, or the problem of reading it.
Parsed<std::string> ReadNamedFile(const std::filesystem::path& path, ProblemKind tooLarge)
{
    auto read = files::ReadWholeFile(path.string(), LargestInputFileBytes);
    if (auto* problem = std::get_if<files::ReadProblem>(&read)) {
        if (problem->failure == files::ReadFailure::TooLarge)
            return Parsed<std::string>::Failure({ tooLarge, { Utf8OrLatin1(path.string()) }, {} });
        return Parsed<std::string>::Failure({ ProblemKind::FileUnreadableBecause,
            { Utf8OrLatin1(path.string()) }, { ReadFailureProblem(*problem) } });
    }
    return { std::move(std::get<std::string>(read)), {} };
}

} // namespace

DesignReadResult LoadDesign(const std::filesystem::path& path)
{
    auto text = ReadNamedFile(path, ProblemKind::FileTooLarge);
    if (!text)
        return { std::nullopt, DesignError { {}, std::move(text.problem) } };
    return DesignFromJson(*text.value);
}

Parsed<ScalaSource> LoadScalaFile(const std::filesystem::path& path)
{
    auto text = ReadNamedFile(path, ProblemKind::ScalaFileTooLarge);
    if (!text)
        return Parsed<ScalaSource>::Failure(std::move(text.problem));
    return { ScalaSource { path.filename().string(), std::move(*text.value) }, {} };
}

std::optional<SaveProblem> SaveDesign(const Design& design, const std::filesystem::path& path)
{
    if (auto invalid = ValidateDesign(design))
        return SaveProblem { std::move(invalid), std::nullopt };
    if (auto problem = files::WriteWholeFile(path.string(), DesignToJson(design)))
        return SaveProblem { std::nullopt, std::move(problem) };
    return std::nullopt;
}

} // namespace corvane::board
