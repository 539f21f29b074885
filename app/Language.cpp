#include "app/Language.h"

#include "calc/Figures.h"
#include "calc/Translation.h"
#include "framework/Language.h"

namespace app {

void SpeakLanguage(const std::vector<std::string>& preferred) {
    const framework::Language spoken = framework::ChooseLanguage("predivo", preferred);
    calc::SetTranslations(&framework::Translation);
    calc::SetNumberFormat({spoken.point, spoken.group, spoken.groupFrom});
}

}  // namespace app
