// Writes the button's face pictures into a folder: make_faces saver/command/faces
#include "face_art.h"

#include <cstdio>
#include <fstream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_faces <folder>\n");
        return 2;
    }
    using lumo::FaceArt;
    for (const FaceArt art : {FaceArt::Normal, FaceArt::HighLight, FaceArt::Pressed,
                              FaceArt::Disable, FaceArt::Selected}) {
        const std::string path = std::string(argv[1]) + "/" + lumo::FaceArtFileName(art);
        const auto bytes = lumo::FaceArtBitmap(art);
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        if (!out) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf("%s\n", path.c_str());
    }
    return 0;
}
