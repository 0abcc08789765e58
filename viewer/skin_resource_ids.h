// Resource ids of the skin pictures (skin_pictures.rc); picResource(i) is IDR_SKIN_PICTURE_0 + i.
#pragma once

#define IDR_SKIN_PICTURE_0 200
#define IDR_SKIN_PICTURE_1 201
#define IDR_SKIN_PICTURE_2 202
#define IDR_SKIN_PICTURE_3 203
#define IDR_SKIN_PICTURE_4 204
#define IDR_SKIN_PICTURE_5 205
#define IDR_SKIN_PICTURE_6 206
#define IDR_SKIN_PICTURE_7 207
#define IDR_SKIN_PICTURE_8 208
#define IDR_SKIN_PICTURE_9 209
#define IDR_SKIN_PICTURE_10 210
#define IDR_SKIN_PICTURE_11 211
#define IDR_SKIN_PICTURE_12 212
#define IDR_SKIN_PICTURE_13 213
