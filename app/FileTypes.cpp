#include "app/FileTypes.h"

namespace app::FileTypes {

framework::FileType pText;
framework::FileType pUntitledType;

void Announce() {
    pText = {};
    pText.name = "text";
    pText.extensions = "";
    pText.macType = "TEXT";
    pText.macCreator = "R*ch";
    pText.Register();

    pUntitledType = {};
    pUntitledType.Register();
}

}  // namespace app::FileTypes
