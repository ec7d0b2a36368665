// Finding the product folder: the folder of the running program, confirmed by
// the product's program file standing in it.
#pragma once

#include <string>

// The program's own folder (module path cut at its last backslash), when
// "<folder>\Tolmic.exe" can be opened for reading without sharing; "" when
// not, or when the module path does not fit a MAX_PATH buffer.
std::string LocateProductFolder();
