// Writes the program's icon file from its shape description: make_icon <output.ico>
#include <cstdio>

#include "res/picture.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icon <output.ico>\n");
        return 2;
    }
    const auto bytes = orvane::res::BuildIconFile(orvane::res::AppIcon(), {16, 32, 48});
    std::FILE* file = std::fopen(argv[1], "wb");
    if (!file) return 1;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return (std::fclose(file) == 0 && ok) ? 0 : 1;
}
