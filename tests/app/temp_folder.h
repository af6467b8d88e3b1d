#pragma once
// The app tests include the shared temporary folder by this name.

#include "tests/support/temp_folder.h"
