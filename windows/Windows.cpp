#include "windows/Windows.h"

#include "windows/AboutWnd.h"
#include "windows/ControlWnd.h"
#include "windows/DescriptionWnd.h"
#include "windows/ExplanationWnd.h"
#include "windows/InvisibleWnd.h"

namespace app {

using framework::GetImplicitWindow;

windows::ControlWnd& ControlWnd() {
    return GetImplicitWindow<windows::ControlWnd>("ControlWnd");
}
windows::DescriptionWnd& DescriptionWnd() {
    return GetImplicitWindow<windows::DescriptionWnd>("DescriptionWnd");
}
windows::ExplanationWnd& ExplanationWnd() {
    return GetImplicitWindow<windows::ExplanationWnd>("ExplanationWnd");
}
windows::AboutWnd& AboutWnd() {
    return GetImplicitWindow<windows::AboutWnd>("AboutWnd");
}
windows::InvisibleWnd& InvisibleWnd() {
    return GetImplicitWindow<windows::InvisibleWnd>("InvisibleWnd");
}

}  // namespace app
