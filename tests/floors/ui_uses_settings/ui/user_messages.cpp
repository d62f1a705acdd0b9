// Deliberately upward: ui sits below settings.
#include "settings/registry.h"
