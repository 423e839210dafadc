#pragma once
// Windows hold fonts by reference; the font class with its program-wide cache
// lives with the other graphic resources.
#include "framework/controls/font.h"
