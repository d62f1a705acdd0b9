// Deliberately wrong: the portable core knows no Windows edge.
#include "ui/win32/dialog.h"
