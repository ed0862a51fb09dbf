// Placeholder while the upload is written; this file goes away when it lands.
#include "upload/novconnector.h"

NOVConnector::NOVConnector() : port(80), request(nullptr) {
    host[0] = page[0] = gameRecord[0] = version[0] = user[0] = '\0';
}
NOVConnector::~NOVConnector() { delete[] request; }
void NOVConnector::postGame() {}
void NOVConnector::setGame(const char*, const char*) {}
char* NOVConnector::build_get_query() { return nullptr; }
