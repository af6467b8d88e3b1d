// A ui folder reaching up to the ui of a higher level.
#include "app/ui/main_window.h"
