#pragma once

#include <string_view>

namespace resources {

// The help text in a language ("de"), English for any other: UTF-8, its lines separated by
// single carriage returns.
std::string_view DescriptionText(std::string_view language);

}  // namespace resources
