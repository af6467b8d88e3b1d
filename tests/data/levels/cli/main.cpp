// The program may use any core, but no test.
#include "app/settings/programmer_settings.h"
#include "cli/command.h"
#include "tests/support/temp_folder.h"
