#pragma once

// The engines as a page (or any other front end without Qt) calls them:
// one JSON request in, one JSON answer out, computed by the same code as
// the command. Standard C++; the WebAssembly module exports these two
// calls and nothing else.
//
// Request: {"design": "<a .corvane file's text>", "language": "fr"|"en",
//           "separator": "."|",", "date": "2026-12-09", "paper": "a4",
//           "want": ["table", "strings", "svg", "dxf", "gcode", "csv", "design",
//                    "chart", "pdf"]}
// Answer:  {"problem": {"field": key, "message": text}} when the design
//          cannot be used (nothing else then), or
//          {"title", "table" and "strings": {"headings", "keys", "right",
//           "rows"}, "notices",
//           "svg", "dxf", "csv", "design", "chart", "gcode": [texts] or
//           "gcode_problem": {"field", "message"}, "pdf": the tiled template's
//           pages as drawings in page millimetres {"width", "height", "pages"}
//           or {"problem"}} as asked.
// {"failed": "request"|"memory"|"engine"} when nothing could be computed.
// Every file is the bytes corvane-frets writes for the same design, in the
// same language and on the same date.

#include <string>
#include <string_view>

namespace corvane::web {

std::string Answer(std::string_view request);

// What a form needs to offer the design's choices: the numeric fields
// (key, quantity, range, default, whether 0 means unset) from the field
// table, the twelve open notes, the classic scales, the built-in tables,
// the string sets and the default design's file text; names in the
// language given ("fr", "en").
std::string Vocabulary(std::string_view languageCode);

} // namespace corvane::web
