#pragma once

// Every control a window can hold, for the windows that use most of them.
#include "framework/Canvas.h"
#include "framework/Control.h"
#include "framework/EditField.h"
#include "framework/PushButton.h"
#include "framework/Rectangle.h"
#include "framework/StaticText.h"
#include "framework/Timer.h"
