// Deliberately wrong: nothing in src/ uses the stand-ins of tests/.
#include "fake_excel.h"
