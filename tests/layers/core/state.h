#pragma once

// A bottom-layer header that reaches up into a layer above it.
#include "life/walk.h"
