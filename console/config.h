// The configuration file: console command lines read once at start-up.
#pragma once

#include <cstdio>
#include <string>

namespace console {

void LoadConfig(const std::string& fileName);
// One line without its line end, each run of blanks and tabs made one space.
// False at the end of the file when nothing was read.
bool ReadConfigLine(FILE* file, std::string& line);

}  // namespace console
