#include "model/version_text.h"

std::string VersionText() {
    return std::string("Rooster2 versie 2.7e") + ", van VC7" + "\nGemaakt op " + __DATE__ + " " +
           __TIME__;
}
