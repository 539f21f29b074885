#pragma once

#include <string>
#include <vector>

namespace app {

// Speaks the desktop's language, or the first of `preferred` that the program has (see
// framework::ChooseLanguage): the windows' words through the framework, the model's words and
// every number of the explanation through the model's seams, calc::SetTranslations and
// calc::SetNumberFormat. The calculator's own fields keep their format.
void SpeakLanguage(const std::vector<std::string>& preferred = {});

}  // namespace app
