#pragma once
// The add-in module's own resources besides its dialogs. Plain #defines:
// resources/vellumark.rc includes this header too.

#define IDR_ADDIN_IMAGE 210  // the image the automation interface hands out
