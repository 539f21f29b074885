#pragma once

#include <memory>

#include "framework/Picture.h"

namespace app {

// The pictures of the program, fetched from its resources once they are found and kept until
// the end. Null while the resources do not hold them; the next call asks again.
std::shared_ptr<const framework::Picture> AboutBanner();
std::shared_ptr<const framework::Picture> Info32();

}  // namespace app
