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
    const HMODULE module = ::GetModuleHandleW(nullptr);
    const HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(ResourceOf(face)),
                                        MAKEINTRESOURCEW(10)); // RT_RCDATA
    if (found == nullptr) {
        throw std::runtime_error("face picture missing");
    }
    const HGLOBAL loaded = ::LoadResource(module, found);
    const void* bytes = loaded != nullptr ? ::LockResource(loaded) : nullptr;
    if (bytes == nullptr) {
        throw std::runtime_error("face picture unreadable");
    }
    return Picture::FromBytes(bytes, ::SizeofResource(module, found));
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
