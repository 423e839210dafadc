#pragma once
// Windows hold background brushes by reference; the brush class with its cache
// lives with the other graphic resources.
#include "framework/controls/brush.h"
