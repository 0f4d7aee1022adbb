#pragma once
// Where the Swiss Ephemeris reads its files. On Linux, the folders the library was built with
// (Debian's ephemeris package) or SE_EPHE_PATH. On Windows, SE_EPHE_PATH or else the ephe
// folder beside the program, given as a path the library's fopen opens whatever letters the
// folder's name has. Called once before the first calculation.
void PreparaPastaEfemerides();
