// pluvelle-demo-station FOLDER: writes the demo station's month files.
#include "demo_station.h"

#include <exception>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2 || std::string(argv[1]).empty() || std::string(argv[1]) == "--help") {
        std::cerr << "usage: pluvelle-demo-station FOLDER\n"
                     "Writes three months of a five-minute demo station (2026-01.wlk to 2026-03.wlk) into FOLDER.\n";
        return 2;
    }
    try {
        for (const std::string& path : pluvelle::demo::WriteDemoStation(argv[1])) std::cout << path << '\n';
    } catch (const std::exception& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    return 0;
}
