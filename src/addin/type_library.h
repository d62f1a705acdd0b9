#pragma once
// The module's type library as C++ sees it: IXVKAddin and the identifiers of the library, the
// class and the interface (generated from resources/vellumark.idl). IPictureDisp comes from
// the platform's OLE controls header.
#include <windows.h>
#include <ole2.h>
#include <ocidl.h>

#include "addin/vellumark_idl.h"
