// The identifiers of the type library, the class and IXVKAddin, defined once for the module.
// The platform headers come first so that only the generated header's identifiers are defined.
#include <windows.h>
#include <ole2.h>
#include <ocidl.h>

#include <initguid.h>

#include "addin/vellumark_idl.h"
