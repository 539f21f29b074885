#pragma once

namespace windows {
class AboutWnd;
class ControlWnd;
class DescriptionWnd;
class ExplanationWnd;
class InvisibleWnd;
}  // namespace windows

namespace app {

// The one live window of each class, hidden ones included; created when there is none.
windows::ControlWnd& ControlWnd();
windows::DescriptionWnd& DescriptionWnd();
windows::ExplanationWnd& ExplanationWnd();
windows::AboutWnd& AboutWnd();
windows::InvisibleWnd& InvisibleWnd();

}  // namespace app
