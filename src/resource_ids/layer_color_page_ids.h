#pragma once
// Control ids of the Layer & Color page (both languages). Plain #defines: the page's template in
// resources/options_pages.rc includes this header too.

// The layer lists.
#define IDC_LAYER_BORDER 1016
#define IDC_LAYER_TEXT 248
#define IDC_LAYER_SHAPE 257
#define IDC_LAYER_IMAGE 260
#define IDC_LAYER_FILL 204
#define IDC_LAYER_FILL_BY_LAYER 206

// Border colour: the three ways and the two colour lists of the last one.
#define IDC_LAYER_LINE_BY_LAYER 1018
#define IDC_LAYER_LINE_ACI 1019
#define IDC_LAYER_LINE_BY_WEIGHT 239
#define IDC_LAYER_THIN_COLOUR 242
#define IDC_LAYER_THICK_COLOUR 243

// Text colour: the same for text.
#define IDC_LAYER_TEXT_BY_LAYER 1023
#define IDC_LAYER_TEXT_ACI 1024
#define IDC_LAYER_TEXT_BY_STYLE 241
#define IDC_LAYER_REGULAR_COLOUR 244
#define IDC_LAYER_BOLD_COLOUR 245
