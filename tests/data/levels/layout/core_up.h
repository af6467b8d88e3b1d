// Core code reaching up, and into a ui folder.
#include "engine/play/playback.h"
#include "layout/ui/layout_view.h"
