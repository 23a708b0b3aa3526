// Writes the tank's sound effects into the given folder:
//   finwicks-sounds <assets/sounds>
#include "Synthesis.h"

#include <cstdio>
#include <fstream>
#include <string>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    using namespace fw::sounds;
    const std::string folder = argv[1];
    const struct
    {
        const char *name;
        Samples samples;
    } files[] = {{"splash.wav", splash()},
                 {"chime.wav", chime()},
                 {"patter.wav", patter()},
                 {"pour.wav", pour()}};
    for (const auto &file : files) {
        const std::string path = folder + "/" + file.name;
        std::ofstream out(path, std::ios::binary);
        out << wavFile(file.samples);
        if (!out.flush()) {
            std::fprintf(stderr, "%s: cannot write %s\n", argv[0], path.c_str());
            return 1;
        }
    }
    return 0;
}
