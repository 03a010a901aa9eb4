#pragma once
// A monitor's texture: its part of the desktop, mipmapped, bound once for the run.

#include "path_field.h"
#include "texture_pyramid.h"

#include <cstdint>

namespace lumo {

class Texture {
  public:
    Texture() = default;
    Texture(const Texture&) = delete;
    Texture& operator=(const Texture&) = delete;
    ~Texture() { Release(); }

    void Release();
    // A fresh texture name, bound, with the wrap and filter parameters; always true.
    bool Create(const char* path);
    void Bind() const;
    // True when the picture was read whole and handed on to make its mipmap levels (a top-down
    // file gives none). On false the texture keeps its name without an image, which GL draws
    // as if texturing were off.
    bool LoadBmp(const char* path);
    // The same for a picture already in memory (a monitor captured by the renderer itself):
    // true when its levels were made.
    bool LoadPicture(const PictureView& picture);

    std::int32_t width() const { return width_; }
    std::int32_t height() const { return height_; }
    const char* path() const { return path_.data(); }

  private:
    PathField path_{};
    std::uint32_t glName_ = 0; // the GL name plus one; 0 = none
    bool Build(const PictureView& picture);

    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
};

} // namespace lumo
