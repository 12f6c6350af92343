#include "web_engine.h"

#include "board_drawing.h"
#include "design_file.h"
#include "dxf_writer.h"
#include "fields.h"
#include "gcode.h"
#include "intonation_chart.h"
#include "layout.h"
#include "paginator.h"
#include "phrase.h"
#include "string_catalogue.h"
#include "string_columns.h"
#include "svg_writer.h"
#include "table_columns.h"
#include "temperament.h"
#include "words.h"

#include <nlohmann/json.hpp>

#include <array>
#include <new>
#include <variant>

namespace corvane::web {

namespace {

using nlohmann::json;

// Text that is not UTF-8 (a Scala file's description) is written with
// replacement characters rather than refused.
constexpr auto Replaced = json::error_handler_t::replace;

// What a request asks for, read leniently: a request is built by our own
// page, and anything missing takes the value the command would use.
struct Request {
    std::string design;
    language::Language language = language::Language::English;
    std::string separator = ".";
    std::string date;
    std::string paper = "a4";
    json want = json::array({ "table", "svg", "dxf", "gcode", "csv", "design", "chart" });
};

std::string TextOr(const json& object, const char* key, std::string fallback)
{
    const auto found = object.find(key);
    return found != object.end() && found->is_string() ? found->get<std::string>() : fallback;
}

std::optional<Request> ReadRequest(std::string_view text)
{
    const json parsed = json::parse(text, nullptr, false);
    if (!parsed.is_object())
        return std::nullopt;
    Request request;
    request.design = TextOr(parsed, "design", {});
    request.language = language::LanguageOfCode(TextOr(parsed, "language", "en"));
    request.separator = TextOr(parsed, "separator", ".") == "," ? "," : ".";
    request.date = TextOr(parsed, "date", {});
    request.paper = TextOr(parsed, "paper", "a4");
    if (const auto want = parsed.find("want"); want != parsed.end() && want->is_array())
        request.want = *want;
    return request;
}

bool Wants(const Request& request, std::string_view what)
{
    for (const json& item : request.want)
        if (item.is_string() && item.get_ref<const std::string&>() == what)
            return true;
    return false;
}

json ProblemJson(const board::DesignError& error, const language::Reader& reader)
{
    return { { "field", error.field }, { "message", language::DesignErrorText(error, reader) } };
}

json TableJson(const board::BoardLayout& board, const Request& request)
{
    const std::vector<board::TableColumn> columns = board::CommandColumns(board, false);
    json headings = json::array();
    json keys = json::array();
    json right = json::array();
    for (const board::TableColumn column : columns) {
        headings.push_back(language::TableHeading(column, request.language, board.design.unit));
        keys.push_back(std::string(board::Describe(column).key));
        right.push_back(board::Describe(column).rightAligned);
    }
    json rows = json::array();
    for (const board::FretOnString* row : board::TableRows(board))
        rows.push_back(board::RowCells(board, *row, columns, request.separator));
    return { { "headings", headings }, { "keys", keys }, { "right", right }, { "rows", rows } };
}

json StringsJson(const board::BoardLayout& board, const Request& request)
{
    const std::vector<board::StringColumn> columns = board::CommandStringColumns(board);
    json headings = json::array();
    json keys = json::array();
    json right = json::array();
    for (const board::StringColumn column : columns) {
        headings.push_back(language::StringHeading(column, request.language, board.design.unit));
        keys.push_back(std::string(board::Describe(column).key));
        right.push_back(!board::Describe(column).isText);
    }
    json rows = json::array();
    for (const board::StringReport& string : board.stringReports) {
        json cells = json::array();
        for (const board::StringColumn column : columns)
            cells.push_back(
                board::StringCellText(string, column, board.design.unit, request.separator));
        rows.push_back(std::move(cells));
    }
    return { { "headings", headings }, { "keys", keys }, { "right", right }, { "rows", rows } };
}

// The notices a string's compensation, fretlets or straight saddle leave:
// computed, but not used, and why.
json NoticesJson(const board::BoardLayout& board, const language::Reader& reader)
{
    json notices = json::array();
    for (const board::StringReport& string : board.stringReports)
        for (const auto& problem : { string.compensationProblem, string.fretletsProblem })
            if (problem)
                notices.push_back(language::Phrase(*problem, reader));
    if (board.saddleProblem)
        notices.push_back(language::Phrase(*board.saddleProblem, reader));
    return notices;
}

json PointsJson(const std::vector<drawing::Point>& points)
{
    json list = json::array();
    for (const drawing::Point& point : points)
        list.push_back({ point.x, point.y });
    return list;
}

// A tiled template's pages as the page's PDF writer draws them: each a
// drawing in page millimetres, origin at the paper's top-left corner.
json PageJson(const drawing::Drawing& page)
{
    json lines = json::array();
    for (const drawing::Line& line : page.lines)
        lines.push_back(
            { line.from.x, line.from.y, line.to.x, line.to.y, line.widthMm, line.dashed });
    json outlines = json::array();
    for (const drawing::Outline& outline : page.outlines)
        outlines.push_back({ { "points", PointsJson(outline.points) }, { "closed", outline.closed },
            { "width", outline.widthMm } });
    json circles = json::array();
    for (const drawing::Circle& circle : page.circles)
        circles.push_back({ circle.centre.x, circle.centre.y, circle.diameterMm, circle.widthMm });
    json texts = json::array();
    for (const drawing::Text& text : page.texts) {
        json item = { { "x", text.at.x }, { "y", text.at.y }, { "text", text.utf8 },
            { "height", text.heightMm }, { "rotation", text.rotationDeg },
            { "anchor",
                text.anchor == drawing::Anchor::Left         ? "left"
                    : text.anchor == drawing::Anchor::Centre ? "centre"
                                                             : "right" } };
        if (text.clip)
            item["clip"] = { text.clip->left, text.clip->top, text.clip->right, text.clip->bottom };
        texts.push_back(std::move(item));
    }
    return { { "lines", lines }, { "outlines", outlines }, { "circles", circles },
        { "texts", texts } };
}

json PagesJson(const drawing::Drawing& board, const Request& request,
    const drawing::TemplateWords& words, const language::Reader& reader)
{
    // The page offers the four papers the command names; any other name
    // is one of ours gone wrong, and gets the command's default.
    const drawing::Paper paper
        = drawing::PaperFromName(request.paper).value_or(*drawing::PaperFromName("a4"));
    const drawing::Pagination pagination = drawing::Paginate(board, paper, words);
    if (pagination.error)
        return { { "problem",
            { { "field", "paper" },
                { "message", language::Phrase(*pagination.error, reader) } } } };
    const drawing::Paper laidOut = pagination.quarterTurned ? paper.QuarterTurned() : paper;
    json pages = json::array();
    for (const drawing::Drawing& page : pagination.pages)
        pages.push_back(PageJson(page));
    return { { "width", laidOut.widthMm }, { "height", laidOut.heightMm }, { "pages", pages } };
}

std::string AnswerFor(const Request& request)
{
    board::DesignReadResult read = board::DesignFromJson(request.design);
    language::Reader reader { request.language,
        read.design ? read.design->unit : board::Unit::Millimetre, request.separator };
    if (!read.design)
        return json {
            { "problem",
                { { "field", read.error->field },
                    { "message", language::DesignFileErrorText(*read.error, reader) } } }
        }.dump(-1, ' ', false, Replaced);
    const board::Design& design = *read.design;

    // A classic scale's notes keep the window's spelling in every language.
    const bool classic = std::holds_alternative<board::ClassicSource>(design.temperament);
    board::LayoutResult computed = board::ComputeLayout(
        design, classic ? board::NoteNaming::Solfege : language::NoteNamingIn(request.language));
    if (!computed.layout)
        return json { { "problem", ProblemJson(*computed.error, reader) } }.dump(
            -1, ' ', false, Replaced);
    computed.layout->temperament.name
        = language::TemperamentTitle(computed.layout->temperament.name, request.language);
    const board::BoardLayout& board = *computed.layout;

    const drawing::TemplateWords words = language::TemplateWordsIn(request.language);
    json answer = json::object();
    answer["title"] = drawing::BoardTemplateTitle(board, ".", words);
    answer["notices"] = NoticesJson(board, reader);
    if (Wants(request, "table"))
        answer["table"] = TableJson(board, request);
    if (Wants(request, "strings") && !board.stringReports.empty())
        answer["strings"] = StringsJson(board, request);
    if (Wants(request, "csv"))
        answer["csv"] = board::CommandTableCsv(board, ".");
    if (Wants(request, "design"))
        answer["design"] = board::DesignToJson(design);
    if (Wants(request, "svg") || Wants(request, "dxf") || Wants(request, "pdf")) {
        drawing::BoardDrawingOptions options;
        options.date = request.date;
        options.words = words;
        options.cut = design.cut;
        const drawing::Drawing drawn = drawing::BoardDrawing(board, options);
        if (Wants(request, "svg"))
            answer["svg"] = drawing::SvgText(
                drawn, drawing::BoardTemplateTitle(board, ".", words), design.cut.hairline);
        if (Wants(request, "dxf"))
            answer["dxf"] = drawing::DxfText(drawn, design.unit);
        if (Wants(request, "pdf"))
            answer["pdf"] = PagesJson(drawn, request, words, reader);
    }
    if (Wants(request, "chart") && !board.stringReports.empty())
        answer["chart"]
            = drawing::SvgText(drawing::IntonationChart(board, words), board.temperament.name);
    if (Wants(request, "gcode")) {
        auto programs = drawing::SlottingPrograms(board, board.temperament.name);
        if (auto* problem = std::get_if<board::DesignError>(&programs))
            answer["gcode_problem"] = ProblemJson(*problem, reader);
        else
            answer["gcode"] = std::get<std::vector<std::string>>(programs);
    }
    return answer.dump(-1, ' ', false, Replaced);
}

std::string_view QuantityName(board::Quantity quantity)
{
    switch (quantity) {
    case board::Quantity::Length:
        return "length";
    case board::Quantity::Feed:
        return "feed";
    case board::Quantity::Count:
        return "count";
    case board::Quantity::Frequency:
        return "frequency";
    }
    return "count";
}

std::string_view StyleName(board::RangeStyle style)
{
    switch (style) {
    case board::RangeStyle::AboveMinimum:
        return "above-minimum";
    case board::RangeStyle::AtLeast:
        return "at-least";
    case board::RangeStyle::Between:
        return "between";
    case board::RangeStyle::AboveAndAtMost:
        return "above-and-at-most";
    case board::RangeStyle::ZeroOrBetween:
        return "zero-or-between";
    case board::RangeStyle::Setback:
        return "setback";
    }
    return "between";
}

} // namespace

std::string Answer(std::string_view request)
{
    // Whatever goes wrong stays an answer: a page must never lose its
    // engine to one design. Bytes that are not UTF-8 (a Scala file's
    // description) are replaced, not refused.
    try {
        const std::optional<Request> read = ReadRequest(request);
        if (!read)
            return R"({"failed": "request"})";
        return AnswerFor(*read);
    } catch (const std::bad_alloc&) {
        return R"({"failed": "memory"})";
    } catch (const std::exception&) {
        return R"({"failed": "engine"})";
    }
}

std::string Vocabulary(std::string_view languageCode)
{
    const language::Language language = language::LanguageOfCode(languageCode);
    const board::Design defaults;
    json fields = json::array();
    for (const board::NumberField& field : board::NumberFields())
        fields.push_back({ { "key", std::string(field.key) },
            { "name", language::FieldName(field.key, language) },
            { "quantity", std::string(QuantityName(field.quantity)) },
            { "style", std::string(StyleName(field.style)) }, { "low", field.low },
            { "high", field.high }, { "default", field.get(defaults) },
            { "optional", field.optional } });
    json classic = json::array();
    for (const auto scale :
        { board::ClassicScale::TemperedDiatonic, board::ClassicScale::TemperedChromatic,
            board::ClassicScale::NaturalDiatonic, board::ClassicScale::NaturalChromatic,
            board::ClassicScale::PythagoreanDiatonic, board::ClassicScale::PythagoreanChromatic })
        classic.push_back({ { "name", std::string(board::ClassicScaleName(scale)) },
            { "title", language::TemperamentTitle(board::ClassicScaleTitle(scale), language) },
            { "diatonic", board::IsDiatonic(scale) } });
    json tables = json::array();
    for (const auto table : { board::BuiltinTable::Just12, board::BuiltinTable::Pythagorean12,
             board::BuiltinTable::QuarterCommaMeantone12 }) {
        const std::string name(board::BuiltinTableName(table));
        tables.push_back(
            { { "name", name }, { "title", language::TemperamentTitle(name, language) } });
    }
    json sets = json::array();
    for (const board::NamedStringSet& set : board::NamedStringSets())
        sets.push_back({ { "name", set.name }, { "title", language::StringSetTitle(set, language) },
            { "tuning", set.tuning }, { "items", set.items } });
    // The open note as design files write it, and as the reader names it.
    json notes = json::array();
    for (int note = 0; note < 12; ++note)
        notes.push_back({ { "file", std::string(board::NoteName(note)) },
            { "name", std::string(board::NoteName(note, language::NoteNamingIn(language))) } });
    return json {
        { "fields", fields }, { "notes", notes }, { "classic_scales", classic },
        { "tables", tables }, { "string_sets", sets },
        { "default_design", board::DesignToJson(defaults) }
    }.dump(-1, ' ', false, Replaced);
}

} // namespace corvane::web
