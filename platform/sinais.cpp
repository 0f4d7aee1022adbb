#include "sinais.h"

#include <csignal>

void PreparaSinaisDoPrograma() {
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}
