#pragma once
// Resource ids of the Command button's face pictures (RCDATA: whole BMP files).

#define IDR_FACE_NORMAL 201
#define IDR_FACE_HIGHLIGHT 202
#define IDR_FACE_HIGHLIGHTSELECT 203
#define IDR_FACE_PRESSED 204
#define IDR_FACE_DISABLE 205
#define IDR_FACE_SELECTED 206
