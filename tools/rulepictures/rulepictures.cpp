// Writes the how-to-play pages' pictures for the rules pages: the same
// boards the game draws over its frame on F2, from the game's own board and
// pieces, as docs/pictures/rule-1.bmp ... of the resource tree given.
//   zelk-rulepictures DATA_DIR
#include <SDL/SDL.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "app/boardpicture.h"
#include "app/howtoplay.h"

int main(int argc, char** argv) {
    if (argc != 2 || chdir(argv[1]) != 0) {
        std::fprintf(stderr, "usage: zelk-rulepictures DATA_DIR (an existing directory)\n");
        return 2;
    }
    mkdir("docs/pictures", 0755);
    int page = 0;
    for (const HowToPlayPage& shown : howToPlayPages()) {
        const std::string path = "docs/pictures/rule-" + std::to_string(++page) + ".bmp";
        SDL_Surface* picture = drawBoardScene(shown.scene);
        if (!picture || SDL_SaveBMP(picture, path.c_str()) != 0) {
            std::fprintf(stderr, "zelk-rulepictures: %s not written: %s\n", path.c_str(), SDL_GetError());
            if (picture) SDL_FreeSurface(picture);
            return 1;
        }
        SDL_FreeSurface(picture);
    }
    return 0;
}
