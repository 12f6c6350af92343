#pragma once

// The catalogue's data files, as the build read them.

#include <string_view>

namespace corvane::board::catalogue_data {

extern const std::string_view UnitWeights;
extern const std::string_view Sets;
extern const std::string_view PublishedConstants;

} // namespace corvane::board::catalogue_data
