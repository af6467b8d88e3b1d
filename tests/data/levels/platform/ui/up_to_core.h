// A ui folder reaching up to the core of a higher level.
#include "app/language/key_registry.h"
