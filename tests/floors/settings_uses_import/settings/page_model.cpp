// Deliberately upward: settings sits below import.
#include "import/import_driver.h"
