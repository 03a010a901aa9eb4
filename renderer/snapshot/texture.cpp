#include "texture.h"

#include "bench_hooks.h"
#include "snapshot_file.h"
#include "texture_pyramid.h"

#include <GL/gl.h>

#include <vector>

namespace lumo {

namespace {

// Hands the pyramid's strips to the bound texture.
class LevelUpload final : public StripSink {
  public:
    explicit LevelUpload(const std::vector<LevelSize>& levels) : levels_(levels) {}
    void Strip(std::size_t level, std::int32_t firstRow, std::int32_t rows,
               const std::uint8_t* texels) override {
        glTexSubImage2D(GL_TEXTURE_2D, static_cast<GLint>(level), 0, firstRow, levels_[level].width,
                        rows, GL_RGBA, GL_UNSIGNED_BYTE, texels);
    }

  private:
    const std::vector<LevelSize>& levels_;
};

} // namespace

void Texture::Release() {
    if (glName_ != 0) {
        const GLuint name = glName_ - 1;
        glDeleteTextures(1, &name);
        glName_ = 0;
    }
}

bool Texture::Create(const char* path) {
    Release();
    CopyPathField(path_, path);
    GLuint name = 0;
    glGenTextures(1, &name);
    glName_ = name + 1;
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, static_cast<GLfloat>(GL_REPEAT));
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, static_cast<GLfloat>(GL_REPEAT));
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, static_cast<GLfloat>(GL_LINEAR));
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER,
                    static_cast<GLfloat>(GL_LINEAR_MIPMAP_NEAREST));
    return true;
}

void Texture::Bind() const {
    glBindTexture(GL_TEXTURE_2D, glName_ - 1);
}

bool Texture::LoadBmp(const char* path) {
    Create(path);

    const double readStart = bench::Now();
    const SnapshotImage image = ReadSnapshotFile(path);
    bench::OnSnapshotRead(bench::Now() - readStart);
    if (image.headersRead) {
        width_ = image.layout.width;
        height_ = image.layout.height;
    }
    if (!image.loaded()) {
        return false;
    }

    // The levels start from the pixels where the file lies. A top-down file (negative height)
    // gives no levels, so the texture stays without an image.
    Build(PictureView{image.pixels, width_, height_, image.layout.stride});
    bench::KeepPicture(image.storage, image.pixels, width_, height_);
    return true;
}

bool Texture::LoadPicture(const PictureView& picture) {
    Create("");
    width_ = picture.width;
    height_ = picture.height;
    return Build(picture);
}

bool Texture::Build(const PictureView& picture) {
    const double buildStart = bench::Now();
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
    GLint maxSide = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSide);
    const std::vector<LevelSize> levels = PyramidLevels(picture.width, picture.height, maxSide);
    // Every level is given its size first, level 0 first, so that the GL lays out the whole
    // chain at once; the strips then fill it in, rows of whole four-byte texels.
    const double storageStart = bench::Now();
    for (std::size_t i = 0; i < levels.size(); ++i) {
        glTexImage2D(GL_TEXTURE_2D, static_cast<GLint>(i), 3, levels[i].width, levels[i].height, 0,
                     GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    }
    bench::OnTextureStorage(bench::Now() - storageStart);
    LevelUpload upload(levels);
    const bool built = BuildPyramid(picture, levels, upload);
    if (!built && !levels.empty()) {
        // Storage without texels would show as garbage; no image at all shows the tints.
        glTexImage2D(GL_TEXTURE_2D, 0, 3, 0, 0, 0, GL_BGR_EXT, GL_UNSIGNED_BYTE, nullptr);
    }
    bench::OnTextureBuilt(bench::Now() - buildStart, built);
    return built;
}

} // namespace lumo
