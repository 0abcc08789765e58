// Resource ids of the skin pictures (skin_pictures.rc): picResource(i) of the
// picture set k (0 for 100 %, kPictureScales order) is SkinPictureId(k, i).
#pragma once

#define IDR_SKIN_PICTURE_0 200
#define IDR_SKIN_SET_STRIDE 100

#ifdef __cplusplus
constexpr int SkinPictureId(int set, int index) {
  return IDR_SKIN_PICTURE_0 + IDR_SKIN_SET_STRIDE * set + index;
}
#endif
