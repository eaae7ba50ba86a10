#pragma once
#include "state/window_state.h"
