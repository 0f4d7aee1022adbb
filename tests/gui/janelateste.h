#pragma once
// The main window started in a test's private folder with the test chart typed and cast in
// it, as a user would do before the command under test.
#include "ambientegui.h"
#include "frmmain.h"
#include "mapagui.h"

#include <memory>

// Null when the window did not start or the chart was not cast.
inline std::unique_ptr<frmMain> JanelaComMapa(const QSize& tamanho = QSize()) {
    std::unique_ptr<frmMain> j(Arranca({}, AmbienteGui::opcoesTeste()));
    if (!j) return nullptr;
    if (tamanho.isValid()) j->resize(tamanho);
    if (!QTest::qWaitForWindowActive(j.get())) return nullptr;
    escreveNascimento(j.get());
    if (!j->sessao().campos().mapaAberto) return nullptr;
    return j;
}
