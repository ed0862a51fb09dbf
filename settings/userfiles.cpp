#include "settings/userfiles.h"

std::string userConfigFile(const char* name) {
    return name;
}

std::string userStateFile(const char* name) {
    return name;
}

std::string userDataFile(const char* name) {
    return name;
}
