#include "app/mainloop.h"

int main(int argc, char** argv) {
    return zelkMain(argc, argv);
}
