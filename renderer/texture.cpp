#include "texture.h"

#include "bench_hooks.h"
#include "snapshot_file.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace lumo {

Texture SnapshotTexture;

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

    const double buildStart = bench::Now();
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
    const int built = gluBuild2DMipmaps(GL_TEXTURE_2D, 3, width_, height_, GL_BGR_EXT,
                                        GL_UNSIGNED_BYTE, image.pixels.get());
    bench::OnTextureBuilt(bench::Now() - buildStart, built == 0);
    return true;
}

} // namespace lumo
