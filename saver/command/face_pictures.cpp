#include "face_pictures.h"

#include "command_resources.h"

#include <array>
#include <stdexcept>

namespace lumo {

namespace {

int ResourceOf(Face face) {
    switch (face) {
    case Face::Normal:
        return IDR_FACE_NORMAL;
    case Face::HighLight:
        return IDR_FACE_HIGHLIGHT;
    case Face::HighLightSelect:
        return IDR_FACE_HIGHLIGHTSELECT;
    case Face::Pressed:
        return IDR_FACE_PRESSED;
    case Face::Disable:
        return IDR_FACE_DISABLE;
    case Face::Selected:
        return IDR_FACE_SELECTED;
    }
    throw std::invalid_argument("no such face");
}

Picture LoadFace(Face face) {
    return Picture::FromResource(ResourceOf(face));
}

} // namespace

const Picture& FacePicture(Face face) {
    static std::array<Picture, 6> faces;
    Picture& slot = faces.at(static_cast<std::size_t>(face));
    if (slot.Empty()) {
        slot = LoadFace(face);
    }
    return slot;
}

} // namespace lumo
