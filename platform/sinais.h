#pragma once
// What every program of the installation does first in main(): a write beyond the file-size
// limit of the session (ulimit -f) fails with EFBIG, which the writers report in Portuguese,
// instead of the system ending the program without a word (SIGXFSZ).
void PreparaSinaisDoPrograma();
