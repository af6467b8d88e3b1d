// Qt in core code.
#include <QString>
