// Lower levels and ui of its own level and below: allowed.
#include <QWidget>

#include "effects/mode.h"
#include "engine/play/playback.h"
#include "engine/ui/effect_view.h"
#include "layout/ui/layout_view.h"
#include "platform/language/language_table.h"
