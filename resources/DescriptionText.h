#pragma once

#include <string_view>

namespace resources {

// The help text: plain ASCII, lines separated by single carriage returns.
std::string_view DescriptionText();

}  // namespace resources
