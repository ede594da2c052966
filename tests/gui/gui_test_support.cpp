#include "gui_test_support.h"
