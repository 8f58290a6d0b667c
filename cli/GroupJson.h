// The loaded group as one JSON document, for `vak-cli dump`.
#pragma once

#include "data/GroupData.h"

#include <string>
#include <string_view>

namespace vak {

// `text` as a JSON string literal, quotes included; control characters as \u00XX.
std::string JsonString(std::string_view text);

// The whole group: header values, every publisher with both year slots of every month, and
// the note table. Nothing depends on the clock.
std::string GroupToJson(CGroupData& group);

} // namespace vak
