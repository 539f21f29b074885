#include "windows/Pictures.h"

#include "framework/Application.h"

namespace app {

namespace {

std::shared_ptr<const framework::Picture> Kept(std::shared_ptr<const framework::Picture>& kept,
                                               int resource) {
    if (!kept) kept = framework::RunningApplication().Resources().GetPicture(resource);
    return kept;
}

}  // namespace

std::shared_ptr<const framework::Picture> AboutBanner() {
    static std::shared_ptr<const framework::Picture> kept;
    return Kept(kept, 168);
}

std::shared_ptr<const framework::Picture> Info32() {
    static std::shared_ptr<const framework::Picture> kept;
    return Kept(kept, 169);
}

}  // namespace app
