#pragma once
// The square every star is drawn as: two units wide about the origin in its own plane, carrying
// the whole picture upright (texture coordinate 0, 0 at its lower left corner).

#include <GL/gl.h>

namespace lumo {

inline void DrawPictureQuad() {
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(-1.0f, -1.0f, 0.0f);
    glTexCoord2f(1.0f, 0.0f);
    glVertex3f(1.0f, -1.0f, 0.0f);
    glTexCoord2f(1.0f, 1.0f);
    glVertex3f(1.0f, 1.0f, 0.0f);
    glTexCoord2f(0.0f, 1.0f);
    glVertex3f(-1.0f, 1.0f, 0.0f);
    glEnd();
}

} // namespace lumo
