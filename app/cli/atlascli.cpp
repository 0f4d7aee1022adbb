#include "atlascli.h"

#include "atlas.h"
#include "fusoatlas.h"
#include "opcoes.h"
#include "saidas.h"

#include <cstdio>

namespace {
const Atlas* AtlasDoPrograma(QString* erro) {
    // Never destroyed: its database connections must not be closed after the application
    // object is gone, and the process ends right after.
    static Atlas* atlas = nullptr;
    static QString falha;
    if (!atlas) {
        atlas = new Atlas;
        atlas->Abre(CaminhoPrograma(QStringLiteral("locais.mdb")), Atlas::CaminhoUtilizador(), &falha);
    }
    if (!atlas->Aberto() && erro)
        *erro = falha;
    return atlas->Aberto() ? atlas : nullptr;
}
} // namespace

bool PreencheDoAtlas(const QString& texto, CamposMapa& c, QString* erro) {
    const Atlas* atlas = AtlasDoPrograma(erro);
    if (!atlas)
        return false;
    const EscolhaAtlas e = EscolheLocal(*atlas, texto);
    if (!e.local) {
        if (e.candidatos.isEmpty()) {
            *erro = QStringLiteral("o local «%1» não está no atlas").arg(texto);
        } else {
            *erro = QStringLiteral("o local «%1» é ambíguo; acrescente a região ou o país depois de uma vírgula "
                                   "(\"Calheta, Madeira\"). Candidatos:")
                        .arg(texto);
            for (const LocalAtlas& l : e.candidatos)
                *erro += QStringLiteral("\n  ") + l.nome;
        }
        return false;
    }
    c.txtlocal = e.local->nome;
    c.txtLatitude = e.local->latitude;
    c.txtlongitude = e.local->longitude;
    // A zone given is the user's and stays.
    if (c.FusoHorario.trimmed().isEmpty()) {
        if (const auto f = FusoDoAtlas(e.local->fuso, c.txtData, c.txtHora, c.txtlongitude)) {
            c.FusoHorario = f->texto;
            c.fusoAtlas = e.local->fuso;
        }
    }
    return true;
}

int PreencheOpcoesDoAtlas(QMap<QString, QString>& dados) {
    CamposMapa c;
    c.txtData = dados.value(QStringLiteral("data"));
    c.txtHora = dados.value(QStringLiteral("hora"));
    c.FusoHorario = dados.value(QStringLiteral("fuso"));
    QString erro;
    if (!PreencheDoAtlas(dados.value(QStringLiteral("atlas")), c, &erro)) {
        const QByteArray b = (QStringLiteral("natalis-cli: ") + erro + QLatin1Char('\n')).toUtf8();
        std::fwrite(b.constData(), 1, static_cast<size_t>(b.size()), stderr);
        return SAIDA_ARGUMENTOS;
    }
    // Options given on the command line win over the atlas.
    const std::pair<const char*, QString> valores[] = {
        {"local", c.txtlocal}, {"latitude", c.txtLatitude}, {"longitude", c.txtlongitude}, {"fuso", c.FusoHorario}};
    for (const auto& [nome, valor] : valores)
        if (!dados.contains(QLatin1String(nome)) && !valor.isEmpty())
            dados.insert(QLatin1String(nome), valor);
    return SAIDA_OK;
}
